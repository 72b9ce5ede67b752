#pragma once
// What a player does with the main window and sees on it, in the player's words: the lines of the
// list as shown, choosing one, keys, the panel, the preview, the questions and the menus. Tests
// go through it, so reshaping the window's controls changes this file, not the tests.
#include <cstdint>
#include <string>
#include <vector>

#include "main_window/main_window.h"
#include "support/album_surface.h"
#include "support/bulk_surface.h"
#include "support/headless.h"
#include "support/settings_surface.h"
#include "support/viewer_surface.h"
#include "ui/keys.h"

namespace vis::test {

// Menu entries as the player finds them, for MainSurface::menu.
namespace entry {
inline const std::string kSave = "ファイル/画像を保存";
inline const std::string kClipboard = "ファイル/クリップボード";
inline const std::string kCopyFile = "ファイル/ファイルとしてコピー";
inline const std::string kEdit = "ファイル/編集";
inline const std::string kSettings = "オプション/設定";
inline const std::string kInformation = "オプション/画像情報";
inline const std::string kMusic = "オプション/BGM/BGMを再生する";
inline const std::string kChangeMusic = "オプション/BGM/BGMを変える";
inline const std::string kMoveAll = "コマンド/全て移動";
inline const std::string kCopyAll = "コマンド/全てコピー";
inline const std::string kAlbum = "コマンド/アルバム";
inline const std::string kThumbnails = "コマンド/サムネイル一覧";
}  // namespace entry

// The name and date of a list line as the viewer's information and the panel read them.
std::string name_and_date_of(const std::string& line);

class MainSurface;
// Checks that the main window shows no screenshot: no line in either order, none chosen, the file
// commands off, no preview and only the hint lines in the panel.
void expect_no_screenshot(MainSurface& m);

class MainSurface {
public:
    MainSurface(MainWindow& window, ScriptedPrompts& prompts) : w_(window), prompts_(prompts) {}
    MainWindow& window() { return w_; }

    // --- the list
    // The lines in the order shown: oldest first, or newest first once the order is switched.
    std::vector<std::string> lines() const { return shown().items(); }
    // Each order, whichever one is shown.
    std::vector<std::string> oldest_first() const { return w_.file_lst.items(); }
    std::vector<std::string> newest_first() const { return w_.file_sort.items(); }
    int count() const { return shown().count(); }
    // The order as the player sees it, "oldest first" or "newest first": the list on the screen
    // and the sort icon offering the other order; "mixed" when they or the lists disagree.
    std::string order_shown() const;
    // The chosen row of the list shown, -1 for none; its line, and the file name on it.
    int chosen() const { return shown().list_index(); }
    std::string chosen_line() const;
    std::string chosen_name() const;
    // Row `row` of the list shown, and the file name on it.
    std::string line_at(int row) const { return shown().item(row); }
    std::string name_at(int row) const;
    bool list_has_focus() const { return w_.focus() == &shown(); }
    // Changes whenever the list shown gets new lines.
    std::uint64_t list_revision() const { return shown().revision(); }
    // A click on a row.
    void choose(int row) { click_row(shown(), row); }
    // The full path of the file the program acts on for the chosen line; "" for none.
    std::string chosen_file() const;
    // While the returned guard lives the list is busy with a change of the program's own: a
    // click then selects without previewing.
    ScreenshotLists::Busy busy() const { return {w_.lists(), shown()}; }
    void double_click_list() { dbl_click(shown()); }
    void press_on_list(int button, int x, int y) { mouse_down(shown(), button, x, y); }
    // Where a point of the list lies on the window, in twips.
    int list_left() const { return shown().left(); }
    int list_top() const { return shown().top(); }
    // A key pressed while the list has the focus (or a menu shortcut).
    void press(int key_code, int shift = 0) { press_key(w_, key_code, shift); }
    // Clicks whichever sort icon is shown, switching the order.
    void switch_order();
    // Answers yes to the question and deletes the chosen line with the Delete key.
    void delete_chosen();

    // --- the panel and the preview
    std::string panel() const { return w_.lbl_alt.caption(); }
    // The panel's line with the position and the total, "　　(3/4)　　　全 2.8 MB"; "" when none.
    std::string panel_position() const;
    const Picture& preview() const { return w_.img_pre.picture(); }
    // The preview's width in pixels (each test screenshot has its own); 0 when it shows none.
    int preview_width() const { return w_.img_pre.picture().width; }
    void double_click_preview() { dbl_click(w_.img_pre); }
    // The file a drag out of the list or the preview hands over; "" for none.
    std::string drag_from_list() { return shown().on_drag_file(); }
    std::string drag_from_preview() { return w_.img_pre.on_drag_file(); }

    // --- the viewer: opened on a row as a click and a double-click on the line do
    ViewerSurface view(int row);
    ViewerSurface viewer() { return ViewerSurface(w_.windows().get<ViewerWindow>()); }
    bool viewer_open() const;

    // --- the other windows: the settings dialog as it is (made if need be) or opened from the
    // menu, the command window opened by kCopyAll or kMoveAll, the album window
    SettingsSurface settings();
    SettingsSurface open_settings();
    BulkSurface open_bulk(const std::string& entry);
    AlbumSurface open_album();

    // --- menus, by the captions the player reads, "ファイル/画像を保存", without access keys
    Menu& menu(const std::string& path);
    bool enabled(const std::string& path) { return menu(path).enabled(); }
    bool checked(const std::string& path) { return menu(path).checked(); }
    void choose_menu(const std::string& path) { click_menu(menu(path)); }

    // --- the window
    WindowState state() const { return w_.window_state(); }
    // The folder listed, how many screenshots the listing holds and their bytes.
    std::string listed_folder() const { return w_.file_path.folder(); }
    int listed() const { return w_.file_path.count(); }
    std::uintmax_t listed_bytes() const { return w_.file_path.total_size(); }

private:
    ListBox& shown() const { return w_.lists().in_use(); }

    MainWindow& w_;
    ScriptedPrompts& prompts_;
};

}  // namespace vis::test
