#include "settings_dialog/settings_dialog.h"

#include <optional>

#include "catalogue/info_text.h"
#include "catalogue/screenshot_lists.h"
#include "core/app.h"
#include "core/main_window_parts.h"
#include "core/settings_store.h"
#include "services/paths.h"
#include "settings_dialog/update_check.h"

namespace vis {

namespace {

// Where a 32-bit installer puts the game on a 64-bit system (and in Wine's default prefix).
constexpr const char* kX86GameFolder = "C:\\Program Files (x86)\\QUORIX\\Pelmar Online";

constexpr const char* kBrowseTitle = "インストールディレクトリを参照";
constexpr const char* kBrowseFilter = "Pelmarオンライン実行ファイル(Pelmar.exe)|Pelmar.exe";
// The length of "\Pelmar.exe": what the browse cuts off the chosen file to get its folder.
constexpr int kProgramNameLength = 11;

// The two notices under the version.
constexpr const char* kNoWarranty =
    "本ソフトウェアは無料でお使いいただけます。使用によって生じた損害について、Vistelle 開発チームは責任を負いません。";
constexpr const char* kUnofficial =
    "本ソフトウェアは非公式のツールです。ゲームの運営会社へのお問い合わせはご遠慮ください。";

constexpr const char* kSavedAndEnding = "設定を保存し、終了します。\r\n終了後、再び起動すると使えます。";
constexpr const char* kWrongFolder = "選択されたファイルが正しくありません。";

// The text without its last n characters (not bytes), or nothing when it is shorter.
std::optional<std::string> without_last_characters(const std::string& text, int n) {
    std::size_t end = text.size();
    for (int i = 0; i < n; ++i) {
        if (end == 0) return std::nullopt;
        --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    return text.substr(0, end);
}

}  // namespace

SettingsDialog::SettingsDialog(WindowOwner& windows)
    : Form(windows.platform().windows, "SettingsDialog", " 設定"),
      Frame1(*this, "Frame1", "インストールディレクトリ"),
      Label1(*this, "Label1", "Pelmarオンラインがインストールされている場所を指定：（通常は変更しないでOKです）"),
      txt_path(*this, "txt_path", kDefaultGameFolder),
      cmd_path_read(*this, "cmd_path_read", "参照"),
      Frame2(*this, "Frame2", "その他設定"),
      chk_FullImgInfo(*this, "chk_FullImgInfo", "画像情報"),
      chk_BGMPlay(*this, "chk_BGMPlay", "BGMを再生する"),
      Frame3(*this, "Frame3", "バージョン情報・その他"),
      Image1(*this, "Image1", false),
      Label2(*this, "Label2", "Pelmarオンライン - Vistelle"),
      lbl_ver(*this, "lbl_ver", "Ver x.xx"),
      Label3(*this, "Label3", kNoWarranty),
      Label5(*this, "Label5", kUnofficial),
      cmd_ver_check(*this, "cmd_ver_check", "最新バージョン確認"),
      cmd_set(*this, "cmd_set", "適用"),
      cmd_cancel(*this, "cmd_cancel", "キャンセル"),
      windows_(windows) {
    set_border_style(BorderStyle::fixed_dialog);
    set_min_button(false);
    set_centred(true);
    set_client_size(7560, 6255);

    Frame1.set_bounds({120, 120, 7320, 1455});
    Label1.set_bounds({240, 360, 7080, 435});
    txt_path.set_bounds({240, 900, 5895, 315});
    txt_path.set_locked(true);
    cmd_path_read.set_bounds({6240, 870, 1080, 375});
    Frame2.set_bounds({120, 1680, 7320, 735});
    chk_FullImgInfo.set_bounds({240, 1980, 2400, 255});
    chk_BGMPlay.set_bounds({2760, 1980, 2400, 255});
    Frame3.set_bounds({120, 2520, 7320, 3135});
    Image1.set_bounds({240, 2820, 480, 480});
    Image1.set_resource("vistelle.png");
    Label2.set_bounds({840, 2820, 4200, 255});
    Label2.set_font(ms_gothic());
    lbl_ver.set_bounds({840, 3120, 2000, 255});
    lbl_ver.set_font(ms_gothic());
    cmd_ver_check.set_bounds({5280, 2820, 2040, 375});
    Label3.set_bounds({240, 3480, 7080, 975});
    Label5.set_bounds({240, 4560, 7080, 975});
    cmd_set.set_bounds({4800, 5760, 1215, 375});
    cmd_cancel.set_bounds({6120, 5760, 1215, 375});

    lbl_ver.set_caption(std::string("Ver ") + kVersion);

    cmd_path_read.on_click = [this] { browse_game_folder(); };
    cmd_set.on_click = [this] { apply(); };
    cmd_cancel.on_click = [this] { cancel(); };
    cmd_ver_check.on_click = [this] { check_version(); };
    on_query_unload = [this] { return on_close_request(); };
}

void SettingsDialog::open(bool setup_mode) {
    setup_mode_ = setup_mode;
    cmd_path_read.set_enabled(setup_mode);
    before_browse_.reset();
    show();
    // A file that cannot be read leaves the fields as they are.
    SettingsStore& settings = windows_.settings();
    if (settings.reread()) {
        const Settings& s = settings.current();
        txt_path.set_text(s.game_folder);
        chk_FullImgInfo.set_value(s.information);
        chk_BGMPlay.set_value(s.music);
    }
    if (setup_mode) suggest_x86_game_folder();
}

void SettingsDialog::suggest_x86_game_folder() {
    // Only shown: the settings file changes when the player applies it.
    if (folder_exists(join_path(txt_path.text(), "Screen Save"))) return;
    if (folder_exists(kX86GameFolder)) txt_path.set_text(kX86GameFolder);
}

void SettingsDialog::browse_game_folder() {
    before_browse_ = txt_path.text();
    FileDialog dialog;
    dialog.title = kBrowseTitle;
    dialog.filter = kBrowseFilter;
    dialog.initial_folder = kDefaultGameFolder;
    dialog.owner = this;
    const std::optional<std::string> chosen = windows_.platform().prompts.open_file(dialog);
    if (!chosen) return;
    // A line break could not be stored in the one-line settings value.
    if (chosen->find_first_of("\r\n") != std::string::npos) return;
    const std::optional<std::string> folder = without_last_characters(*chosen, kProgramNameLength);
    if (folder) txt_path.set_text(*folder);
}

void SettingsDialog::apply() {
    Prompts& prompts = windows_.platform().prompts;
    if (!save_settings()) return;
    if (setup_mode()) {
        prompts.message_box({kSavedAndEnding, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
        windows_.main().end_program();
        return;
    }
    apply_to_main_window();
}

bool SettingsDialog::save_settings() {
    SettingsStore& settings = windows_.settings();
    Settings s;
    s.game_folder = txt_path.text();
    s.information = chk_FullImgInfo.value();
    s.music = chk_BGMPlay.value();
    if (settings.reread()) {
        s.save_folder = settings.current().save_folder;
    } else {
        // Without a readable file (set-up after a broken one) the save folder read at start-up is
        // kept instead, and the file is made whole again.
        const std::string& held = settings.startup().save_folder;
        s.save_folder = held.empty() ? kDefaultGameFolder : held;
    }
    return settings.write(s, *this);
}

void SettingsDialog::apply_to_main_window() {
    MainWindowParts& main = windows_.main();
    main.form().show();
    // Checked before the main listing is touched, so a wrong folder leaves the lists as they were.
    const std::string folder = join_path(txt_path.text(), "Screen Save");
    if (!folder_exists(folder) || !main.lists().rebuild(folder)) {
        windows_.platform().prompts.message_box({kWrongFolder, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
        if (before_browse_) txt_path.set_text(*before_browse_);
        show();
        return;
    }

    ListBox& list = main.lists().ascending();
    list.set_focus();
    if (list.list_index() < 0) {
        // No screenshot there: nothing to preview, and the commands that need one stay off.
        main.clear_preview();
        main.set_panel_text(list_hints());
        main.show_pre_info(list);
    } else if (main.show_selected(list)) {
        main.set_panel_text(name_date_and_hints(main.lists().record(list, list.list_index())));
    }

    hide();
    main.form().show();
}

void SettingsDialog::cancel() {
    if (setup_mode())
        windows_.main().end_program();
    else
        hide();
}

bool SettingsDialog::on_close_request() {
    if (!setup_mode()) return false;
    windows_.main().end_program();
    return true;
}

void SettingsDialog::check_version() {
    Platform& p = windows_.platform();
    const std::string current = kVersion;
    cmd_ver_check.set_enabled(false);
    const UpdateCheck check = check_for_update(p, current);
    switch (check.status) {
        case UpdateStatus::no_answer:
            report_no_network(p.prompts, *this);
            break;
        case UpdateStatus::newer:
            offer_download(p, check, current, *this);
            break;
        case UpdateStatus::up_to_date:
            report_up_to_date(p.prompts, check, *this);
            break;
    }
    cmd_ver_check.set_enabled(true);
}

}  // namespace vis
