#pragma once
// The command window: copies or moves every screenshot of the main window's folder into one
// output folder, in the mode it was opened in.
#include "bulk/bulk_run.h"
#include "catalogue/file_list.h"
#include "core/window_owner.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class BulkWindow : public Form {
public:
    explicit BulkWindow(WindowOwner& windows);
    // Shows the window in a mode, over the main window's screenshot folder and its default save
    // folder. While a run goes on it is only brought to the front.
    void open(BulkMode mode);
    BulkMode mode() const { return mode_; }
    bool running() const { return running_; }

    Label lbl_mode;
    Label Label1;
    Label Label2;
    TextBox txt_Output_Path;
    Button cmd_cmd4;
    Button cmd_Start;
    Button cmd_cancel;
    ProgressBar pgb;
    FileList file_path;

    void choose_output_folder();
    void start_run();
    void cancel();
    bool on_close_request();

private:
    // Tells the user something with the program's title; the window stays as it is.
    void notice(const std::string& text);
    // The run over the listing just re-read, with the buttons off while it goes on.
    BulkResult run(BulkMode mode);
    void set_running(bool on);

    WindowOwner& windows_;
    BulkMode mode_ = BulkMode::copy;
    bool running_ = false;
};

}  // namespace vis
