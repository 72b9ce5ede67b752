// A form's menu bar on each system: captions, shortcuts, check marks and enabling as the model has
// them; an entry runs only while the user can reach it; a shortcut runs its entry before the
// focused control sees the key, in its own window only.
#include <string>
#include <utility>
#include <vector>

#include "backend/backend_driver.h"
#include "backend/menu_form.h"

namespace vis::test {
namespace {

TEST_F(BackendTest, TheMenuBarShowsTheMenusAsTheyAreAndAsTheyChange) {
    MenuForm form(windows);
    form.show();
    windows.do_events();
    const std::vector<std::string> file{"ファイル(&F)", "  画像を保存(&S)\tCtrl+S (grey)", "  -", "  終了(&X)"};
    const std::vector<std::string> music{"  BGM(&B)", "    BGMを再生する\tShift+Del"};
    const auto bar = [](std::vector<std::vector<std::string>> parts) {
        std::vector<std::string> lines;
        for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
        return lines;
    };
    struct Row {
        const char* what;
        std::function<void()> change;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"as made", [] {}, bar({file, {"オプション(&O)", "  画像情報(&I) ✓"}, music})},
        {"a check mark taken off", [&] { form.mImgInfo.set_checked(false); },
         bar({file, {"オプション(&O)", "  画像情報(&I)"}, music})},
        {"a top menu disabled", [&] { form.mOption.set_enabled(false); },
         bar({file, {"オプション(&O) (grey)", "  画像情報(&I)"}, music})},
        {"an entry enabled with a new caption",
         [&] {
             form.mSave.set_enabled(true);
             form.mSave.set_caption("別名で保存(&A)");
         },
         bar({{"ファイル(&F)", "  別名で保存(&A)\tCtrl+S", "  -", "  終了(&X)"},
              {"オプション(&O) (grey)", "  画像情報(&I)"},
              music})},
        {"the hidden menu shown, an entry hidden",
         [&] {
             form.mFullMenu.set_visible(true);
             form.mQuit.set_visible(false);
         },
         bar({{"フルスクリーンメニュー", "  画像を閉じる(&X)", "ファイル(&F)", "  別名で保存(&A)\tCtrl+S", "  -"},
              {"オプション(&O) (grey)", "  画像情報(&I)"},
              music})},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        EXPECT_EQ(driver->shown_menus(form), row.lines) << row.what;
    }
}

TEST_F(BackendTest, AMenuEntryRunsOnlyWhileTheUserCanReachIt) {
    MenuForm form(windows);
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        std::function<void()> change;
        const Menu& chosen;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"a checked entry", [] {}, form.mImgInfo, {"info 0"}},
        {"again", [] {}, form.mImgInfo, {"info 1"}},
        {"a disabled entry", [] {}, form.mSave, {}},
        {"enabled", [&] { form.mSave.set_enabled(true); }, form.mSave, {"save"}},
        {"in a submenu", [] {}, form.mBGMPlay, {"music"}},
        {"within a disabled menu", [&] { form.mOption.set_enabled(false); }, form.mBGMPlay, {}},
        {"within a hidden menu", [] {}, form.mClose_F, {}},
        {"its menu hidden", [&] { form.mFile.set_visible(false); }, form.mSave, {}},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        driver->choose_menu(form, row.chosen);
        windows.do_events();
        EXPECT_EQ(std::exchange(form.log, {}), row.log) << row.what;
    }
    // The check mark shows what the program made of the choice.
    EXPECT_EQ(driver->shown_menus(form).at(1), "  画像情報(&I) ✓");
}

TEST_F(BackendTest, AShortcutRunsItsEntryBeforeTheFocusedControlSeesTheKey) {
    struct ListMenuForm : MenuForm {
        explicit ListMenuForm(WindowSystem& ws) : MenuForm(ws) {
            mFile.add(mClipboard);
            lst.set_bounds({0, 0, 3000, 2000});
            // Shift and Ctrl reach the list as keys of their own; the keys after them are the point.
            lst.on_key_down = [this](int k, int) {
                if (k > 18) log.push_back("key " + std::string(1, static_cast<char>(k)));
            };
            mClipboard.on_click = [this] { log.push_back("copy"); };
        }
        Menu mClipboard{"mClipboard", "クリップボード(&C)", "Ctrl+C"};
        ListBox lst{*this, "lst"};
    } form(windows);
    Form other(windows, "TextDialog", "文字");
    TextBox text(other, "txt_text", "");
    text.set_bounds({0, 0, 3000, 300});
    form.mSave.set_enabled(true);
    form.lst.set_focus();
    form.show();
    windows.do_events();
    struct Row {
        const char* what;
        std::function<void()> change;
        int key, shift;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"Ctrl+S", [] {}, 'S', shift::kCtrl, {"save"}},
        {"Ctrl+C", [] {}, 'C', shift::kCtrl, {"copy"}},
        {"Shift+Del in a submenu", [] {}, key::kDelete, shift::kShift, {"music"}},
        {"a key no entry has", [] {}, 'A', shift::kCtrl, {"key A"}},
        {"a disabled entry's", [&] { form.mSave.set_enabled(false); }, 'S', shift::kCtrl, {"key S"}},
        {"enabled again", [&] { form.mSave.set_enabled(true); }, 'S', shift::kCtrl, {"save"}},
    };
    for (const Row& row : rows) {
        row.change();
        windows.do_events();
        driver->shortcut_key(form.lst, row.key, row.shift);
        windows.do_events();
        EXPECT_EQ(std::exchange(form.log, {}), row.log) << row.what;
    }
    // In another window the key is that window's.
    other.show();
    windows.do_events();
    driver->shortcut_key(text, 'C', shift::kCtrl);
    windows.do_events();
    EXPECT_TRUE(form.log.empty());
}

}  // namespace
}  // namespace vis::test
