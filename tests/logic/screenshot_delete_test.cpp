// Deleting the selected screenshot: the question, what each answer and each state of the file
// leads to, and both lists afterwards. The list and the viewer both delete through this.
#include "catalogue/screenshot_delete.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/list_line.h"
#include "catalogue/screenshot_lists.h"
#include "services/paths.h"
#include "viewer_fixture.h"

namespace vis {
namespace {

using test::App;
using test::shot_name;

enum class FileState { present, cannot_be_removed, gone };

std::string question(int shot) {
    return "ＳＳ [" + shot_name(shot) + "]を削除しますか？\r\n削除をすると元には戻せません。";
}

TEST(ScreenshotDelete, QuestionAnswersAndFileStatesDecideWhatGoes) {
    const struct {
        const char* what;
        int shots;
        bool newest_first;
        int row;  // in the list in use; -1 for no selection
        FileState file;
        bool busy;
        std::vector<MsgResult> answers;
        bool removed;
        std::vector<std::string> told;  // every box, in order
        std::vector<int> left;          // the screenshots still listed, oldest first
        int selected;                   // in the list in use, afterwards
    } cases[] = {
        {"middle, oldest first",
         5,
         false,
         2,
         FileState::present,
         false,
         {MsgResult::yes},
         true,
         {question(2)},
         {0, 1, 3, 4},
         2},
        {"middle, newest first",
         5,
         true,
         1,
         FileState::present,
         false,
         {MsgResult::yes},
         true,
         {question(3)},
         {0, 1, 2, 4},
         1},
        {"the last line leaves the new last",
         4,
         false,
         3,
         FileState::present,
         false,
         {MsgResult::yes},
         true,
         {question(3)},
         {0, 1, 2},
         2},
        {"the only line leaves nothing selected",
         1,
         false,
         0,
         FileState::present,
         false,
         {MsgResult::yes},
         true,
         {question(0)},
         {},
         -1},
        {"No keeps it", 3, false, 1, FileState::present, false, {MsgResult::no}, false, {question(1)}, {0, 1, 2}, 1},
        {"a file that stays keeps its line",
         3,
         false,
         1,
         FileState::cannot_be_removed,
         false,
         {MsgResult::yes, MsgResult::ok},
         false,
         {question(1),
          "ＳＳ [" + shot_name(1) + "]を削除できませんでした。\r\nファイルが使用中か、書き込みが禁止されています。"},
         {0, 1, 2},
         1},
        {"a file gone from outside loses its line after a word",
         3,
         false,
         0,
         FileState::gone,
         false,
         {MsgResult::yes, MsgResult::ok},
         true,
         {question(0), "ＳＳ [" + shot_name(0) + "]は既に削除されています。"},
         {1, 2},
         0},
        {"a busy list asks nothing", 2, false, 0, FileState::present, true, {}, false, {}, {0, 1}, 0},
        {"no selection asks nothing", 2, false, -1, FileState::present, false, {}, false, {}, {0, 1}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app;
        MainWindow& f = test::start_with_shots(app, c.shots);
        test::MainSurface m = app.main();
        if (c.newest_first) m.switch_order();
        ListBox& list = f.lists().in_use();
        list.set_list_index(c.row);
        std::optional<ScreenshotLists::Busy> busy;
        if (c.busy) busy.emplace(f.lists(), list);
        const int doomed = c.row < 0 ? -1 : c.newest_first ? c.shots - 1 - c.row : c.row;
        if (c.file == FileState::cannot_be_removed) app.plat.files.fail_remove = true;
        if (c.file == FileState::gone)
            std::filesystem::remove(to_fs_path(join_path(app.folders.shots, shot_name(doomed))));
        for (const MsgResult answer : c.answers) app.plat.prompts.answer_message(answer);

        EXPECT_EQ(delete_selected_line(app.plat.prompts, app.plat.files, f.lists(), list, f), c.removed);

        std::vector<std::string> told;
        for (const auto& asked : app.plat.prompts.asked()) {
            told.push_back(asked.box.text);
            EXPECT_EQ(asked.box.title, "削除");
            EXPECT_EQ(asked.box.icon, MsgIcon::exclamation);
            EXPECT_EQ(asked.box.default_button, 0);
            EXPECT_EQ(asked.box.owner, &f);
            EXPECT_EQ(asked.box.buttons, told.size() == 1 ? MsgButtons::yes_no : MsgButtons::ok);
        }
        EXPECT_EQ(told, c.told);

        std::vector<std::string> left;
        for (const std::string& line : m.oldest_first()) left.push_back(line_name(line));
        std::vector<std::string> expected;
        for (const int shot : c.left) expected.push_back(shot_name(shot));
        EXPECT_EQ(left, expected);
        const std::vector<std::string> oldest_first = m.oldest_first();
        EXPECT_EQ(m.newest_first(), std::vector<std::string>(oldest_first.rbegin(), oldest_first.rend()));
        EXPECT_EQ(m.chosen(), c.selected);
        EXPECT_EQ(f.lists().busy(list), c.busy);
        if (doomed >= 0 && c.file != FileState::gone) {
            EXPECT_EQ(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, shot_name(doomed)))), !c.removed);
        }
    }
}

}  // namespace
}  // namespace vis
