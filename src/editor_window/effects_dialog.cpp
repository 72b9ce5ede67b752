#include "editor_window/effects_dialog.h"

#include "core/app.h"
#include "editor_window/editor_window.h"
#include "services/pacer.h"
#include "ui/window_system.h"

namespace vis {

EffectsDialog::EffectsDialog(WindowOwner& windows)
    : Form(windows.platform().windows, "EffectsDialog", " 効果"),
      cmd_eff_1(*this, "cmd_eff_1", "モザイク"),
      cmd_eff_2(*this, "cmd_eff_2", "ぼかし"),
      cmd_eff_3(*this, "cmd_eff_3", "モノクロ"),
      cmd_eff_4(*this, "cmd_eff_4", "ネガポジ"),
      cmd_break(*this, "cmd_break", "中断"),
      cmd_crop(*this, "cmd_crop", "切り抜き"),
      cmd_quit(*this, "cmd_quit", "閉じる"),
      pgb(*this, "pgb"),
      windows_(windows) {
    set_client_size(4335, 2190);
    set_border_style(BorderStyle::fixed_dialog);
    cmd_eff_1.set_bounds({120, 120, 1935, 495});
    cmd_eff_2.set_bounds({2280, 120, 1935, 495});
    cmd_eff_3.set_bounds({120, 720, 1935, 495});
    cmd_eff_4.set_bounds({2280, 720, 1935, 495});
    cmd_break.set_bounds({240, 1320, 975, 495});
    // In the free space between "中断" and "閉じる".
    cmd_crop.set_bounds({1560, 1320, 1215, 495});
    cmd_quit.set_bounds({3000, 1320, 1215, 495});
    pgb.set_bounds({0, 1935, 4335, 255});

    on_query_unload = [this] { return on_close_request(); };
    cmd_eff_1.on_click = [this] { apply_mosaic(); };
    cmd_eff_2.on_click = [this] { apply_blur(); };
    cmd_eff_3.on_click = [this] { apply_monochrome(); };
    cmd_eff_4.on_click = [this] { apply_negative(); };
    cmd_break.on_click = [this] { break_effect(); };
    cmd_crop.on_click = [this] { crop_to_selection(); };
    cmd_quit.on_click = [this] { close_dialog(); };
}

void EffectsDialog::apply_mosaic() {
    run(mosaic, "完了(モザイク処理)");
}

void EffectsDialog::apply_blur() {
    run(blur, "完了(ぼかし)");
}

void EffectsDialog::apply_monochrome() {
    run(monochrome, "完了(モノクロ)");
}

void EffectsDialog::apply_negative() {
    run(negative, "完了(ネガポジ)");
}

void EffectsDialog::break_effect() {
    eff_break = 1;
}

void EffectsDialog::crop_to_selection() {
    if (EditorWindow* editor = editor_with_selection()) editor->document().crop();
}

void EffectsDialog::close_dialog() {
    hide();
}

bool EffectsDialog::on_close_request() {
    // Closed like "閉じる": hidden, keeping its state; never while the break button is needed.
    if (!running_) hide();
    return true;
}

void EffectsDialog::message(const char* text) {
    windows_.platform().prompts.message_box({text, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
}

void EffectsDialog::enable_commands(bool on) {
    for (Button* b : {&cmd_eff_1, &cmd_eff_2, &cmd_eff_3, &cmd_eff_4, &cmd_crop, &cmd_quit}) b->set_enabled(on);
}

void EffectsDialog::restore_editor() {
    if (EditorWindow* editor = windows_.loaded<EditorWindow>()) editor->set_window_state(WindowState::normal);
}

EditorWindow* EffectsDialog::editor_with_selection() {
    EditorWindow* editor = windows_.loaded<EditorWindow>();
    if (editor != nullptr && editor->document().overlay().selection) return editor;
    message("ERR:選択範囲がありません");
    return nullptr;
}

void EffectsDialog::run(EffectFn effect, const char* done_text) {
    EditorWindow* editor = editor_with_selection();
    if (editor == nullptr) return;
    Platform& p = windows_.platform();
    // The document, not the editor, is kept for the run: events run meanwhile may close the
    // editor or open it on another screenshot, which ends the run.
    const std::shared_ptr<EditorDocument> document = editor->shared_document();
    editor = nullptr;

    enable_commands(false);
    eff_break = 0;
    running_ = true;
    // Events run every few milliseconds, the first time once the editor has stepped aside.
    Pacer pacer(p.clock);
    const EffectPacing pacing{[&] {
                                  if (pacer.due()) p.windows.do_events();
                                  return eff_break == 0 && !p.windows.quitting();
                              },
                              [&](int percent) { pgb.set_value(percent); }};
    const auto start = [&] {
        if (EditorWindow* e = windows_.loaded<EditorWindow>()) e->set_window_state(WindowState::minimised);
        show();
        p.windows.do_events();
    };
    const bool completed = document->run_effect(effect, pacing, start) == EffectEnd::completed;
    running_ = false;
    if (p.windows.quitting()) return;

    if (!completed) {
        message("中断されました");
        pgb.set_value(0);
        enable_commands(true);
        restore_editor();
        show();
        return;
    }
    restore_editor();
    show();
    pgb.set_value(0);
    message(done_text);
    enable_commands(true);
}

}  // namespace vis
