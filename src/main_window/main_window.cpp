#include "main_window/main_window.h"

#include <initializer_list>

#include "core/app.h"
#include "thumbnail_window/thumbnail_window.h"
#include "ui/window_system.h"

namespace vis {

MainWindow::MainWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "MainWindow", "初期化しています...(Load)"),
      img_pre(*this, "img_pre", true),
      Label1(*this, "Label1", "　保 存 日 時　│　フ　ァ　イ　ル　名"),
      file_lst(*this, "file_lst"),
      file_sort(*this, "file_sort"),
      img_sort_up(*this, "img_sort_up", true),
      img_sort_down(*this, "img_sort_down", true),
      lbl_ver(*this, "lbl_ver", kVersion),
      lbl_alt(*this, "lbl_alt"),
      file_path(*this, "file_path", kScreenshotPattern),
      tmr_start(*this, "tmr_start", 1, true),
      mFullMenu("mFullMenu", "フルスクリーンメニュー"),
      mSave_F("mSave_F", "保存(&S)"),
      mClipboard_F("mClipboard_F", "クリップボード(&C)"),
      mCopyFile_F("mCopyFile_F", "ファイルとしてコピー(&F)"),
      mh1("mh1", "-"),
      mInfo_F("mInfo_F", "画像情報(&I)"),
      mh2("mh2", "-"),
      mEdit_F("mEdit_F", "編集(&E)"),
      mh5("mh5", "-"),
      mClose_F("mClose_F", "画像を閉じる(&X)"),
      mEditMenu("mEditMenu", "編集メニュー"),
      mEdit_cancel("mEdit_cancel", "キャンセル"),
      mFile("mFile", "ファイル(&F)"),
      mSave("mSave", "画像を保存(&S)", "Ctrl+S"),
      mClipboard("mClipboard", "クリップボード(&C)", "Ctrl+C"),
      mCopyFile("mCopyFile", "ファイルとしてコピー(&F)"),
      mh0("mh0", "-"),
      mEdit("mEdit", "編集(&E)"),
      mh0_1("mh0_1", "-"),
      mQuit("mQuit", "終了(&X)"),
      mCommand("mCommand", "コマンド(&C)"),
      mAll_move("mAll_move", "全て移動(&M)"),
      mAll_copy("mAll_copy", "全てコピー(&C)"),
      mh3("mh3", "-"),
      mAlbum("mAlbum", "アルバム(&A)"),
      mThumbnails("mThumbnails", "サムネイル一覧(&T)"),
      mOption("mOption", "オプション(&O)"),
      mSetting("mSetting", "設定(&S)"),
      mImgInfo("mImgInfo", "画像情報(&I)"),
      mBGM_option("mBGM_option", "BGM(&B)"),
      mBGMPlay("mBGMPlay", "BGMを再生する", "Shift+Del"),
      mBGM_change("mBGM_change", "BGMを変える(&C)", "F1"),
      mHelp("mHelp", "ヘルプ(&H)"),
      mHelpFile("mHelpFile", "ヘルプファイル(&H)"),
      mSite("mSite", "作者HPへ(&S)"),
      windows_(windows),
      p_(windows.platform()),
      lists_(file_lst, file_sort, file_path, img_sort_up, img_sort_down),
      watch_(lists_, *this, p_.folder_watch),
      bgm_(p_, *this, [&settings = windows.settings()] { return settings.current().music; }) {
    set_client_size(12000, 11145);
    set_border_style(BorderStyle::fixed_single);
    set_min_button(true);
    set_centred(true);

    img_pre.set_bounds({0, 0, 12000, 9000});
    Label1.set_bounds({120, 9120, 6255, 255});
    Label1.set_font(ms_gothic());
    file_lst.set_bounds({120, 9360, 6255, 1680});
    file_lst.set_font(ms_gothic());
    file_sort.set_bounds({120, 9360, 6255, 1680});
    file_sort.set_font(ms_gothic());
    file_sort.set_visible(false);
    img_sort_up.set_bounds({6480, 9360, 375, 375});
    img_sort_up.set_resource("sort_up.png");
    img_sort_down.set_bounds({6480, 9360, 375, 375});
    img_sort_down.set_resource("sort_down.png");
    img_sort_down.set_visible(false);
    lbl_ver.set_bounds({6480, 9000, 1695, 255});
    lbl_alt.set_bounds({6960, 9120, 4935, 1935});
    lbl_alt.set_font(ms_gothic());
    // Until the file is read the store holds the flags on, as the menus are laid out.
    show_flags();

    // Screenshots decoded ahead come with a copy at the preview's size on this screen.
    const ScreenInfo screen = p_.windows.screen();
    decode_ahead_.set_scaled_size(
        static_cast<int>(img_pre.width() / screen.twips_per_pixel_x * screen.device_pixel_ratio + 0.5),
        static_cast<int>(img_pre.height() / screen.twips_per_pixel_y * screen.device_pixel_ratio + 0.5));

    build_menus();
    wire_events();
}

void MainWindow::build_menus() {
    for (Menu* m : {&mSave_F, &mClipboard_F, &mCopyFile_F, &mh1, &mInfo_F, &mh2, &mEdit_F, &mh5, &mClose_F})
        mFullMenu.add(*m);
    mEditMenu.add(mEdit_cancel);
    for (Menu* m : {&mSave, &mClipboard, &mCopyFile, &mh0, &mEdit, &mh0_1, &mQuit}) mFile.add(*m);
    for (Menu* m : {&mAll_move, &mAll_copy, &mh3, &mAlbum, &mThumbnails}) mCommand.add(*m);
    mBGM_option.add(mBGMPlay);
    mBGM_option.add(mBGM_change);
    for (Menu* m : {&mSetting, &mImgInfo, &mBGM_option}) mOption.add(*m);
    mHelp.add(mHelpFile);
    mHelp.add(mSite);
    for (Menu* m : {&mFullMenu, &mEditMenu, &mFile, &mCommand, &mOption, &mHelp}) add_menu(*m);
}

void MainWindow::wire_events() {
    on_query_unload = [this] { return on_close_request(); };
    tmr_start.on_timer = [this] { startup_tick(); };
    windows_.settings().listen([this](SettingsLine line) { settings_changed(line); });
    watch_.on_update = [this](const ScreenshotWatch::Update& update) { follow_folder_changes(update); };
    lists_.on_reading = [this](const std::string& folder) { watch_.follow(folder); };

    file_lst.on_click = [this] { show_clicked(file_lst); };
    file_sort.on_click = [this] { show_clicked(file_sort); };
    file_lst.on_dbl_click = [this] { view_selected(file_lst); };
    file_sort.on_dbl_click = [this] { view_selected(file_sort); };
    file_lst.on_key_down = [this](int k, int s) { delete_on_key(file_lst, k, s); };
    file_sort.on_key_down = [this](int k, int s) { delete_on_key(file_sort, k, s); };
    file_lst.on_mouse_down = [this](int b, int s, int x, int y) { pop_up_file_menu(file_lst, b, s, x, y); };
    file_sort.on_mouse_down = [this](int b, int s, int x, int y) { pop_up_file_menu(file_sort, b, s, x, y); };
    img_pre.on_dbl_click = [this] { view_preview(); };
    // The screenshot file itself is dragged out, from either list and from the preview.
    for (Control* c : std::initializer_list<Control*>{&file_lst, &file_sort, &img_pre})
        c->on_drag_file = [this] { return file_to_share(); };
    img_sort_up.on_click = [this] { switch_order(); };
    img_sort_down.on_click = [this] { switch_order(); };

    mSave.on_click = [this] { save_as(); };
    mSave_F.on_click = [this] { save_as(); };
    mClipboard.on_click = [this] { copy_to_clipboard(); };
    mClipboard_F.on_click = [this] { copy_to_clipboard(); };
    mCopyFile.on_click = [this] { copy_as_file(); };
    mCopyFile_F.on_click = [this] { copy_as_file(); };
    mImgInfo.on_click = [this] { toggle_information(); };
    mInfo_F.on_click = [this] { show_viewer_information(); };
    mClose_F.on_click = [this] { close_viewer(); };
    mEdit.on_click = [this] { open_editor(); };
    mEdit_F.on_click = [this] { open_editor_from_viewer(); };
    mEdit_cancel.on_click = [this] { cancel_editor_tool(); };
    mQuit.on_click = [this] { quit(); };
    mSetting.on_click = [this] { open_settings(); };
    mAlbum.on_click = [this] { open_album_window(); };
    mThumbnails.on_click = [this] { windows_.get<ThumbnailWindow>().open(); };
    mAll_copy.on_click = [this] { copy_all_screenshots(); };
    mAll_move.on_click = [this] { move_all_screenshots(); };
    mBGMPlay.on_click = [this] { toggle_music(); };
    mBGM_change.on_click = [this] { change_bgm(); };
    mHelpFile.on_click = [this] { open_help(); };
    mSite.on_click = [this] { open_website(); };
}

std::string MainWindow::title() const {
    return "Pelmarオンライン - Vistelle (v" + lbl_ver.caption() + ")";
}

void MainWindow::show_flags() {
    const Settings& s = windows_.settings().current();
    mImgInfo.set_checked(s.information);
    mBGMPlay.set_checked(s.music);
    mBGM_change.set_enabled(s.music);
}

void MainWindow::settings_changed(SettingsLine line) {
    show_flags();
    if (line == SettingsLine::music_flag) bgm_.switched(windows_.settings().current().music);
}

}  // namespace vis
