#pragma once
// A window of the model: caption, visibility and window state, its controls and menu bar.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/menu.h"

namespace vis {

class WindowSystem;

enum class WindowState { normal, minimised, maximised };
enum class BorderStyle { none, fixed_single, fixed_dialog, sizable };

class Form {
public:
    Form(WindowSystem& ws, std::string name, std::string caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowSystem& window_system() const { return ws_; }
    const std::string& name() const { return name_; }
    std::uint64_t revision() const { return revision_; }

    const std::string& caption() const { return caption_; }
    void set_caption(std::string c);

    bool visible() const { return visible_; }
    // Showing also brings the window to the front and activates it.
    void show();
    void hide();
    // Serial of the latest show() or activate(): a backend raises the window when it changes.
    std::uint64_t activation() const { return activation_; }
    void activate();

    WindowState window_state() const { return state_; }
    void set_window_state(WindowState s);

    BorderStyle border_style() const { return border_; }
    void set_border_style(BorderStyle b);
    bool min_button() const { return min_button_; }
    void set_min_button(bool b);
    bool topmost() const { return topmost_; }
    void set_topmost(bool t);
    Colour back_colour() const { return back_; }
    void set_back_colour(Colour c);
    // The client area in twips; a maximised window takes the screen's size.
    int client_width() const;
    int client_height() const;
    void set_client_size(int width, int height);
    // The least client area the player may drag a sizable window down to, in twips.
    int min_client_width() const { return min_client_width_; }
    int min_client_height() const { return min_client_height_; }
    void set_min_client_size(int width, int height);
    // From the backend: the player resized the window (dragged its frame, maximised or restored
    // it). The window has the size already, so no new revision asks for it again; on_resize runs.
    void client_resized(int width, int height);
    // Centre on the screen when first shown.
    bool centred() const { return centred_; }
    void set_centred(bool c);

    // Controls in creation order; later ones lie on top.
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Menu*>& menu_bar() const { return menu_bar_; }
    void add_menu(Menu& top) { menu_bar_.push_back(&top); }
    void register_control(Control& c) { controls_.push_back(&c); }
    void unregister_control(Control& c);

    // The control that should have the keyboard focus, and a serial bumped on every request.
    Control* focus() const { return focus_; }
    std::uint64_t focus_serial() const { return focus_serial_; }
    void set_focus(Control& c);

    // Asks the window to close (close box, system menu). The handler may refuse by returning
    // true ("cancel"); otherwise the form is hidden.
    std::function<bool()> on_query_unload;
    // Keys seen by the window before its controls (used by borderless views without controls
    // that take focus).
    std::function<void(int key_code, int shift)> on_key_down;
    // Keys the window may take whichever of its controls has the focus (shortcuts such as
    // Ctrl+Z): true when the handler took the key, which then goes no further.
    std::function<bool(int key_code, int shift)> on_shortcut;
    // The player resized the window: the form lays its controls out for the new client area.
    std::function<void()> on_resize;
    void request_close();

    void touch() { ++revision_; }

private:
    WindowSystem& ws_;
    std::string name_;
    std::string caption_;
    std::uint64_t revision_ = 1;
    bool visible_ = false;
    std::uint64_t activation_ = 0;
    WindowState state_ = WindowState::normal;
    BorderStyle border_ = BorderStyle::sizable;
    bool min_button_ = true;
    bool topmost_ = false;
    bool centred_ = false;
    Colour back_ = kDefaultColour;
    int client_width_ = 4800;
    int client_height_ = 3600;
    int min_client_width_ = 0;
    int min_client_height_ = 0;
    std::vector<Control*> controls_;
    std::vector<Menu*> menu_bar_;
    Control* focus_ = nullptr;
    std::uint64_t focus_serial_ = 0;
};

}  // namespace vis
