#pragma once
// The effects dialog: mosaic, blur, monochrome and negative over the editor's selection, with a
// progress bar and a break button, and crop to the selection. It lives apart from the editor and
// is only hidden when closed.
#include "core/window_owner.h"
#include "editor/effects.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class EditorWindow;

class EffectsDialog : public Form {
public:
    explicit EffectsDialog(WindowOwner& windows);

    Button cmd_eff_1;
    Button cmd_eff_2;
    Button cmd_eff_3;
    Button cmd_eff_4;
    Button cmd_break;
    Button cmd_crop;
    Button cmd_quit;
    ProgressBar pgb;

    // 1 once the break button asked the running effect to stop.
    int eff_break = 0;

    void apply_mosaic();
    void apply_blur();
    void apply_monochrome();
    void apply_negative();
    void break_effect();
    void crop_to_selection();
    void close_dialog();
    bool on_close_request();

    // An effect is running (its loop lets events through, so handlers can run meanwhile).
    bool running() const { return running_; }

private:
    // The frame every effect runs in: the selection check, the buttons, the editor minimised
    // meanwhile, progress, break, and the closing message.
    void run(EffectFn effect, const char* done_text);
    void message(const char* text);
    // The open editor when it has a selection; otherwise says so and gives nullptr.
    EditorWindow* editor_with_selection();
    // The editor, if it is still open, back to normal.
    void restore_editor();
    // All four effect buttons, "切り抜き" and "閉じる" are off while an effect runs, so no second one starts
    // on the same canvas and the dialog holding the break button stays on screen.
    void enable_commands(bool on);

    WindowOwner& windows_;
    bool running_ = false;
};

}  // namespace vis
