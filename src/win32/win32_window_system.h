#pragma once
// The window system of a real Windows run: one top-level window per form, native controls in it,
// re-rendered from the model after every event it forwards to the program.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/window_system.h"
#include "win32/posted_tasks.h"

namespace vis::win32 {

class FormWindow;

class Win32WindowSystem : public WindowSystem {
public:
    // `program_folder` is where data/ lies (icons named by image boxes).
    explicit Win32WindowSystem(std::string program_folder);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    void add_form(Form& f) override;
    // A window shown since the last question gets one turn of the message loop first: Wine hands
    // what a window painted to the X server only while the loop waits.
    bool shown_on_screen() override { return !std::exchange(shown_since_asked_, false); }
    void window_shown() { shown_since_asked_ = true; }
    void remove_form(Form& f) override;
    ScreenInfo screen() const override;
    void caption_changed(Form& f) override;
    void do_events() override;
    void quit() override;
    bool quitting() const override { return quitting_; }
    void post(std::function<void()> task) override { posted_.post(std::move(task)); }

    // Runs a program handler for an event, then renders what it changed. Nothing runs once
    // the program is ending.
    void dispatch(const std::function<void()>& handler);
    void render();
    // The message loop, until quit(); returns at once if the program already ended.
    int run();

    FormWindow* window_of(const Form* f) const;
    FormWindow* window_of(HWND top_level) const;
    // A window on the screen (shown, not minimised) to own a dialog: the owner's, else a topmost
    // one, else the active one, else any; nullptr when none is.
    HWND dialog_parent(const Form* owner) const;
    const std::string& program_folder() const { return program_folder_; }
    // The program's window the player works in (the active one, else one shown), or nullptr.
    const FormWindow* current_window() const;
    // The monitor that window is on, else the primary one.
    HMONITOR current_monitor() const;
    // Where the program's shown windows lie on the screen (minimised ones take no room).
    std::vector<RECT> shown_window_rects() const;

private:
    // Accelerators and Tab between controls, before the message reaches its window.
    bool pre_translate(MSG& msg);
    void pump(bool wait);

    std::string program_folder_;
    std::vector<std::unique_ptr<FormWindow>> windows_;
    std::vector<std::unique_ptr<FormWindow>> retired_;
    bool quitting_ = false;
    bool rendering_ = false;
    bool com_initialised_ = false;
    bool shown_since_asked_ = false;
    PostedTasks posted_{[this](const std::function<void()>& task) { dispatch(task); }};
};

}  // namespace vis::win32
