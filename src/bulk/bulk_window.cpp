#include "bulk/bulk_window.h"

#include <string>
#include <vector>

#include "catalogue/screenshot_lists.h"
#include "core/app.h"
#include "core/main_window_parts.h"
#include "core/settings_store.h"
#include "services/pacer.h"
#include "services/paths.h"

namespace vis {

BulkWindow::BulkWindow(WindowOwner& windows)
    : Form(windows.platform().windows, "BulkWindow", " コマンド"),
      lbl_mode(*this, "lbl_mode"),
      Label1(*this, "Label1", "全て上書き保存されます。"),
      Label2(*this, "Label2", "出力先："),
      txt_Output_Path(*this, "txt_Output_Path"),
      cmd_cmd4(*this, "cmd_cmd4", "..."),
      cmd_Start(*this, "cmd_Start", "開始"),
      cmd_cancel(*this, "cmd_cancel", "キャンセル"),
      pgb(*this, "pgb"),
      file_path(*this, "file_path", windows.main().lists().listing().pattern()),
      windows_(windows) {
    set_border_style(BorderStyle::fixed_dialog);
    set_min_button(false);
    set_centred(true);
    set_client_size(4800, 2280);

    lbl_mode.set_bounds({120, 120, 4560, 255});
    lbl_mode.set_alignment(Alignment::centre);
    Label1.set_bounds({120, 480, 4560, 255});
    Label2.set_bounds({120, 870, 720, 255});
    txt_Output_Path.set_bounds({840, 810, 3360, 315});
    txt_Output_Path.set_locked(true);
    cmd_cmd4.set_bounds({4260, 810, 420, 315});
    pgb.set_bounds({120, 1320, 4560, 255});
    cmd_Start.set_bounds({2160, 1740, 1215, 375});
    cmd_cancel.set_bounds({3465, 1740, 1215, 375});

    cmd_cmd4.on_click = [this] { choose_output_folder(); };
    cmd_Start.on_click = [this] { start_run(); };
    cmd_cancel.on_click = [this] { cancel(); };
    on_query_unload = [this] { return on_close_request(); };
}

void BulkWindow::open(BulkMode mode) {
    // A run in progress keeps the mode, folders and listing it started with.
    if (!running_) {
        mode_ = mode;
        lbl_mode.set_caption(mode_name(mode));
        MainWindowParts& main = windows_.main();
        file_path.bind(main.lists().listing().folder());
        txt_Output_Path.set_text(windows_.settings().startup().save_folder);
    }
    show();
}

void BulkWindow::notice(const std::string& text) {
    windows_.platform().prompts.message_box({text, kAppTitle, MsgButtons::ok, MsgIcon::exclamation, 0, this});
}

void BulkWindow::choose_output_folder() {
    Platform& p = windows_.platform();
    SettingsStore& settings = windows_.settings();
    const bool stored = settings.reread();
    FileDialog dialog;
    dialog.title = "入力しないでください";
    dialog.file_name = "全スクリーンショット";
    // Without a readable file the user still picks a folder, starting where the main window saves.
    dialog.initial_folder = stored ? settings.current().save_folder : settings.startup().save_folder;
    dialog.owner = this;
    const auto chosen = p.prompts.save_file(dialog);
    // The name in the dialog is only a placeholder: its folder is the choice.
    const std::string folder = chosen ? parent_folder(*chosen) : std::string();
    // A line break could not be stored in the one-line settings value.
    if (folder.empty() || folder.find_first_of("\r\n") != std::string::npos) {
        activate();
        return;
    }
    txt_Output_Path.set_text(folder);
    // Remembered for the next start; the main window keeps proposing the folder it started with.
    settings.set_save_folder(folder, *this);
}

void BulkWindow::start_run() {
    Platform& p = windows_.platform();
    const BulkMode mode = this->mode();
    if (const auto problem = output_folder_problem(p.files, txt_Output_Path.text(), file_path.folder()))
        return notice(*problem);
    const MessageBox question{
        confirmation_text(mode), mode_key(mode), MsgButtons::ok_cancel, MsgIcon::question, 0, this};
    if (p.prompts.message_box(question) != MsgResult::ok) return;
    if (!file_path.refresh())
        return notice("スクリーンショットのフォルダを読み込めませんでした。\r\n" + file_path.folder());

    const BulkResult result = run(mode);
    if (result.stopped) return;
    // The main lists must not offer screenshots that are no longer there.
    if (mode == BulkMode::move) windows_.main().relist();
    if (result.failed.empty() && result.missing.empty())
        p.prompts.message_box({completion_text(mode), kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
    else
        notice(failure_text(mode, result));
    hide();
    set_running(false);
    pgb.set_value(0);
}

BulkResult BulkWindow::run(BulkMode mode) {
    Platform& p = windows_.platform();
    std::vector<std::string> names;
    names.reserve(file_path.files().size());
    for (const ListedFile& f : file_path.files()) names.push_back(f.name);

    set_running(true);
    // The main lists take the folder's changes once the run is over.
    const ScreenshotLists::Hold hold(windows_.main().lists());
    Pacer pacer(p.clock);
    // The window can be neither closed nor started again meanwhile, so it outlives the run.
    return run_bulk(p.files, mode, file_path.folder(), std::move(names), txt_Output_Path.text(), [&](int percent) {
        pgb.set_value(percent);
        if (pacer.due()) p.windows.do_events();
        return !p.windows.quitting();
    });
}

void BulkWindow::set_running(bool on) {
    running_ = on;
    for (Button* b : {&cmd_cmd4, &cmd_Start, &cmd_cancel}) b->set_enabled(!on);
}

void BulkWindow::cancel() {
    hide();
    windows_.main().form().show();
}

bool BulkWindow::on_close_request() {
    if (running_) return true;
    windows_.unload<BulkWindow>();
    return false;
}

}  // namespace vis
