// A message box on each system as the user meets it: the program's text, title (its own name when
// it gives none), icon, buttons and default, and the answer of the button the user presses.
#include "backend/backend_driver.h"
#include "core/app.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, AMessageBoxShowsTheProgramsWordsAndGivesTheUsersAnswer) {
    using B = MsgButtons;
    using I = MsgIcon;
    using R = MsgResult;
    struct Case {
        MessageBox box;
        R press;
        // What the box showed: its title and text, and its default button (how many there are
        // follows from box.buttons).
        std::string title, text;
        R default_button;
    };
    const auto box = [](std::string text, std::string title, B buttons, I icon, int default_button) {
        MessageBox b;
        b.text = std::move(text);
        b.title = std::move(title);
        b.buttons = buttons;
        b.icon = icon;
        b.default_button = default_button;
        return b;
    };
    const Case cases[] = {
        {box("ＳＳ [PelmarOnline_2006115_01715.jpg]を削除しますか？\r\n削除をすると元には戻せません。", "削除",
             B::yes_no, I::exclamation, 0),
         R::no, "削除", "ＳＳ [PelmarOnline_2006115_01715.jpg]を削除しますか？\n削除をすると元には戻せません。",
         R::yes},
        {box("削除しますか？", "確認", B::yes_no, I::question, 1), R::yes, "確認", "削除しますか？", R::no},
        {box("そのファイル名は既に存在します。上書きしますか？", "上書き", B::yes_no_cancel, I::exclamation, 0),
         R::cancel, "上書き", "そのファイル名は既に存在します。上書きしますか？", R::yes},
        {box("ネットワークに接続できませんでした。", "", B::ok, I::none, 0), R::ok, kAppTitle,
         "ネットワークに接続できませんでした。", R::ok},
        {box("新しいバージョン(Ver 2.10)が公開されています。\r\n[はい]を押すとダウンロードを開始します。", "確認",
             B::yes_no, I::question, 0),
         R::yes, "確認", "新しいバージョン(Ver 2.10)が公開されています。\n[はい]を押すとダウンロードを開始します。",
         R::yes},
        {box("完了(モノクロ)", "", B::ok_cancel, I::information, 1), R::cancel, kAppTitle, "完了(モノクロ)", R::cancel},
        {box("保存に失敗しました。", "エラー", B::ok, I::critical, 0), R::ok, "エラー", "保存に失敗しました。", R::ok},
    };
    const std::unique_ptr<Prompts> prompts = driver->prompts();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.text);
        R answer = R::ok == c.press ? R::cancel : R::ok;
        const SeenBox seen = driver->answer_box(c.press, [&] { answer = prompts->message_box(c.box); });
        EXPECT_EQ(answer, c.press);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.icon, c.box.icon);
        EXPECT_EQ(seen.buttons, c.box.buttons == B::ok ? 1 : c.box.buttons == B::yes_no_cancel ? 3 : 2);
        EXPECT_EQ(seen.default_button, c.default_button);
    }
}

}  // namespace
}  // namespace vis::test
