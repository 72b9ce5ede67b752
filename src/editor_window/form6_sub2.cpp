#include "editor_window/form6_sub2.h"

#include "core/app.h"
#include "editor_window/form6.h"
#include "platform/pacer.h"
#include "platform/window_system.h"

namespace vis {

Form6_Sub2::Form6_Sub2(Windows& windows)
    : Form(windows.platform().windows, "Form6_Sub2", " 効果"),
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

    on_query_unload = [this] { return Form_QueryUnload(); };
    cmd_eff_1.on_click = [this] { cmd_eff_1_Click(); };
    cmd_eff_2.on_click = [this] { cmd_eff_2_Click(); };
    cmd_eff_3.on_click = [this] { cmd_eff_3_Click(); };
    cmd_eff_4.on_click = [this] { cmd_eff_4_Click(); };
    cmd_break.on_click = [this] { cmd_break_Click(); };
    cmd_crop.on_click = [this] { cmd_crop_Click(); };
    cmd_quit.on_click = [this] { cmd_quit_Click(); };
}

void Form6_Sub2::cmd_eff_1_Click() {
    run(mosaic, "完了(モザイク処理)");
}

void Form6_Sub2::cmd_eff_2_Click() {
    run(blur, "完了(ぼかし)");
}

void Form6_Sub2::cmd_eff_3_Click() {
    run(monochrome, "完了(モノクロ)");
}

void Form6_Sub2::cmd_eff_4_Click() {
    run(negative, "完了(ネガポジ)");
}

void Form6_Sub2::cmd_break_Click() {
    eff_break = 1;
}

void Form6_Sub2::cmd_crop_Click() {
    if (Form6* editor = editor_with_selection()) editor->document().crop();
}

void Form6_Sub2::cmd_quit_Click() {
    hide();
}

bool Form6_Sub2::Form_QueryUnload() {
    // Closed like "閉じる": hidden, keeping its state; never while the break button is needed.
    if (!running_) hide();
    return true;
}

void Form6_Sub2::message(const char* text) {
    windows_.platform().prompts.message_box({text, kAppTitle, MsgButtons::ok, MsgIcon::none, 0, this});
}

void Form6_Sub2::enable_commands(bool on) {
    for (Button* b : {&cmd_eff_1, &cmd_eff_2, &cmd_eff_3, &cmd_eff_4, &cmd_crop, &cmd_quit}) b->set_enabled(on);
}

void Form6_Sub2::restore_editor() {
    if (Form6* editor = windows_.loaded<Form6>()) editor->set_window_state(WindowState::normal);
}

Form6* Form6_Sub2::editor_with_selection() {
    Form6* editor = windows_.loaded<Form6>();
    if (editor != nullptr && editor->document().overlay().selection) return editor;
    message("ERR:選択範囲がありません");
    return nullptr;
}

void Form6_Sub2::run(EffectFn effect, const char* done_text) {
    Form6* editor = editor_with_selection();
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
        if (Form6* e = windows_.loaded<Form6>()) e->set_window_state(WindowState::minimised);
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
