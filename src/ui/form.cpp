#include "ui/form.h"

#include <algorithm>

#include "ui/window_system.h"

namespace vis {

Form::Form(WindowSystem& ws, std::string name, std::string caption)
    : ws_(ws), name_(std::move(name)), caption_(std::move(caption)) {
    ws_.add_form(*this);
}

Form::~Form() {
    ws_.remove_form(*this);
}

void Form::set_caption(std::string c) {
    if (caption_ != c) {
        caption_ = std::move(c);
        touch();
        ws_.caption_changed(*this);
    }
}

void Form::show() {
    visible_ = true;
    ++activation_;
    touch();
}

void Form::hide() {
    if (visible_) {
        visible_ = false;
        touch();
    }
}

void Form::activate() {
    ++activation_;
    touch();
}

void Form::set_window_state(WindowState s) {
    if (state_ != s) {
        state_ = s;
        touch();
    }
}

void Form::set_border_style(BorderStyle b) {
    border_ = b;
    touch();
}

void Form::set_min_button(bool b) {
    min_button_ = b;
    touch();
}

void Form::set_topmost(bool t) {
    topmost_ = t;
    touch();
}

void Form::set_back_colour(Colour c) {
    back_ = c;
    touch();
}

int Form::client_width() const {
    return state_ == WindowState::maximised ? ws_.screen().width_twips : client_width_;
}

int Form::client_height() const {
    return state_ == WindowState::maximised ? ws_.screen().height_twips : client_height_;
}

void Form::set_client_size(int width, int height) {
    client_width_ = width;
    client_height_ = height;
    touch();
}

void Form::set_min_client_size(int width, int height) {
    min_client_width_ = width;
    min_client_height_ = height;
    touch();
}

void Form::client_resized(int width, int height) {
    if (width == client_width_ && height == client_height_) return;
    client_width_ = width;
    client_height_ = height;
    if (on_resize) on_resize();
}

void Form::set_centred(bool c) {
    centred_ = c;
    touch();
}

void Form::unregister_control(Control& c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
    if (focus_ == &c) focus_ = nullptr;
}

void Form::set_focus(Control& c) {
    // Only the serial: the backends apply focus by it, and a new revision would have them apply
    // the whole window again (its style, size and frame) on every move of the focus.
    focus_ = &c;
    ++focus_serial_;
}

void Form::request_close() {
    if (on_query_unload && on_query_unload()) return;
    hide();
}

}  // namespace vis
