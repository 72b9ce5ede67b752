#pragma once
// The main window: screenshot list and preview, the menu bar, the settings it holds in hidden
// labels and check marks, and the timer that finishes start-up and then drives the music.
#include <memory>
#include <optional>
#include <string>

#include "platform/control.h"
#include "platform/file_list.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/platform.h"

namespace vis {

class Form0;
class Form2;
class Form3;

inline constexpr const char* kVersion = "2.00";
inline constexpr const char* kScreenshotPattern = "PelmarOnline_*.jpg";
inline constexpr const char* kListHint1 = "リストをクリックすると、スクリーンショットがプレビューされます。";
inline constexpr const char* kListHint2 =
    "イメージをダブルクリックすると、フルスクリーンで表示されます。ダブルクリックで閉じられます。";

class Form1 : public Form {
public:
    explicit Form1(Platform& platform);
    ~Form1() override;

    Platform& platform() { return p_; }

    // --- controls
    ImageBox img_pre;
    Label Label1;
    ListBox file_lst;
    ListBox file_sort;
    ImageBox img_sort_up;
    ImageBox img_sort_down;
    Label lbl_ver;
    Label lbl_alt;
    FileList file_path;
    Timer tmr_music;
    Label lbl_Pelmar_Path;
    Label lbl_FullImgInfo;
    Label lbl_BGMPlay;
    Label lbl_DefaultSave_Path;

    // --- menus
    Menu mFullMenu, mSave_F, mClipboard_F, mh1, mInfo_F, mh2, mEdit_F, mh5, mClose_F;
    Menu mEditMenu, mEdit_cancel;
    Menu mFile, mSave, mClipboard, mh0, mEdit, mh0_1, mQuit;
    Menu mCommand, mAll_move, mAll_copy, mh3, mAlbum;
    Menu mOption, mSetting, mImgInfo, mBGM_option, mBGMPlay, mBGM_change;
    Menu mHelp, mHelpFile, mSite;

    // --- windows opened from here, each created on first use
    Form0& form0();
    Form2& form2();
    Form3& form3();
    bool has_form2() const { return form2_ != nullptr; }

    // --- start-up, timer, quitting (core)
    // Loads the window and, unless the program ended while loading, shows it.
    void start();
    void Form_Load();
    void tmr_music_Timer();
    void run_startup_step();
    // Ends the program at once; sends the close command for the current track first.
    void end_program();
    bool Form_QueryUnload();
    void mQuit_Click();
    void mSetting_Click();
    void mHelpFile_Click();
    void mSite_Click();
    std::string settings_path() const;
    std::string screenshot_folder() const;
    std::string title() const;

    // --- screenshot catalogue
    bool make_ss_list();
    // The same from another screenshot folder (the settings dialog's applied game folder);
    // lbl_Pelmar_Path keeps its start-up value.
    bool make_ss_list(const std::string& folder);
    void img_sort_up_Click();
    void img_sort_down_Click();
    // The list the window shows: file_lst while img_sort_up is visible, otherwise file_sort.
    ListBox& list_in_use();
    ListBox& other_list(ListBox& list);
    void show_pre_info(ListBox& list);
    // Preview, panel and menu enabling for the selected line, without moving the focus.
    // False, with nothing changed, when its file cannot be decoded.
    bool show_selected(ListBox& list);
    // The picture of a screenshot file: the one the viewer decoded ahead while it is shown,
    // otherwise decoded now. Nothing when the file cannot be decoded.
    std::optional<Picture> load_picture(const std::string& path);
    void file_lst_Click();
    void file_sort_Click();
    void list_DblClick(ListBox& list);
    void img_pre_DblClick();
    void list_KeyDown(ListBox& list, int key_code, int shift);
    void list_MouseDown(ListBox& list, int button, int shift, int x, int y);
    // The full path of a list line's screenshot.
    std::string file_of_line(const std::string& line) const;
    // The delete confirmation for a screenshot; true when the user answers Yes.
    bool ask_delete(const std::string& name, const Form& owner);
    // Deletes a screenshot of the listing's folder for good. True when its file is gone
    // afterwards; a file that stays is reported to the user.
    bool delete_screenshot(const std::string& name);

    // --- viewer commands shared with the main menu
    void save_as();
    void copy_to_clipboard();
    void mImgInfo_Click();
    void mInfo_F_Click();
    void mClose_F_Click();

    // --- music
    void start_bgm();
    void change_bgm();
    void music_tick();
    void mBGMPlay_Click();
    void mBGM_change_Click();

private:
    void build_menus();
    void wire_events();
    // Reads (or first creates) the settings file into the hidden labels and check marks.
    bool load_settings();

    Platform& p_;
    // True while a track opens; the window's events run meanwhile, so ticks and changes wait.
    bool bgm_opening_ = false;
    std::unique_ptr<Form0> form0_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};

}  // namespace vis
