#pragma once
// What a player does with the album window and sees on it, in the player's words: the lines of
// its two lists, the buttons and options by their captions, the line colour, the preview, the
// progress bar and the caption.
#include <string>
#include <vector>

#include "album_window/album_window.h"
#include "support/headless.h"

namespace vis::test {

// The album window's buttons as the player reads them, for AlbumSurface::press.
namespace album_button {
inline const std::string kSendOne = "▽";
inline const std::string kSendAll = "▼";
inline const std::string kReturnOne = "△";
inline const std::string kReturnAll = "▲";
inline const std::string kCopyAlbum = "コピー作成";
inline const std::string kPathAlbum = "絶対パス作成";
inline const std::string kClose = "キャンセル";
}  // namespace album_button

class AlbumSurface {
public:
    explicit AlbumSurface(AlbumWindow& window) : w_(window) {}
    AlbumWindow& window() { return w_; }
    bool shown() const { return w_.visible(); }
    std::string caption() const { return w_.caption(); }
    // At work (loading, moving every line, building): presses and clicks do nothing meanwhile.
    bool busy() const { return w_.busy(); }
    void close() { w_.request_close(); }

    // --- the screenshots above and the album list below: their lines and the chosen row
    std::vector<std::string> screenshots() const { return w_.file_lst.items(); }
    std::vector<std::string> album() const { return w_.file_album.items(); }
    int chosen_screenshot() const { return w_.file_lst.list_index(); }
    int chosen_in_album() const { return w_.file_album.list_index(); }
    void choose_screenshot(int row) { click_row(w_.file_lst, row); }
    void choose_in_album(int row) { click_row(w_.file_album, row); }

    // --- buttons and options ("ズーム", "画像リンク", "日付", "ファイル名") by caption
    void press(const std::string& button) { click(captioned<Button>(w_, button)); }
    bool can_press(const std::string& button) const { return captioned<Button>(w_, button).enabled(); }
    bool checked(const std::string& option) const { return captioned<CheckBox>(w_, option).value(); }
    void toggle(const std::string& option) { click(captioned<CheckBox>(w_, option)); }
    // The line colour ("線色："): its text, how many colours it offers, and one typed in.
    std::string line_colour() const { return w_.cmb_border_color.text(); }
    int line_colours_offered() const { return w_.cmb_border_color.count(); }
    void type_line_colour(const std::string& text) { type_text(w_.cmb_border_color, text); }

    // The preview's width in pixels (each test screenshot has its own); 0 when it shows none.
    int preview_width() const { return w_.img_pre.picture().width; }
    int progress() const { return w_.pgb.value(); }

private:
    AlbumWindow& w_;
};

}  // namespace vis::test
