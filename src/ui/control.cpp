#include "ui/control.h"

#include <algorithm>
#include <utility>

#include "ui/form.h"

namespace vis {

Control::Control(Form& owner, std::string name, ControlKind kind) : form_(owner), name_(std::move(name)), kind_(kind) {
    form_.register_control(*this);
}

Control::~Control() {
    form_.unregister_control(*this);
}

void Control::set_visible(bool v) {
    if (visible_ != v) {
        visible_ = v;
        touch();
    }
}

void Control::set_enabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        touch();
    }
}

void Control::set_bounds(Rect r) {
    if (!(bounds_ == r)) {
        bounds_ = r;
        touch();
    }
}

void Control::move(int left, int top) {
    set_bounds({left, top, bounds_.width, bounds_.height});
}
void Control::resize(int width, int height) {
    set_bounds({bounds_.left, bounds_.top, width, height});
}

void Control::set_container(Control& c) {
    if (container_ != &c) {
        container_ = &c;
        touch();
    }
}

void Control::set_font(Font f) {
    if (!(font_ == f)) {
        font_ = std::move(f);
        touch();
    }
}

void Control::set_fore_colour(Colour c) {
    if (fore_ != c) {
        fore_ = c;
        touch();
    }
}

void Control::set_back_colour(Colour c) {
    if (back_ != c) {
        back_ = c;
        touch();
    }
}

void Control::set_tool_tip(std::string text) {
    if (tool_tip_ != text) {
        tool_tip_ = std::move(text);
        touch();
    }
}

void Control::set_focus() {
    form_.set_focus(*this);
}

// --- Label

Label::Label(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::label), caption_(std::move(caption)) {}

void Label::set_caption(std::string c) {
    if (caption_ != c) {
        caption_ = std::move(c);
        touch();
    }
}

void Label::set_alignment(Alignment a) {
    if (alignment_ != a) {
        alignment_ = a;
        touch();
    }
}

void Label::set_opaque(bool o) {
    if (opaque_ != o) {
        opaque_ = o;
        touch();
    }
}

// --- ListBox

ListBox::ListBox(Form& owner, std::string name) : Control(owner, std::move(name), ControlKind::list_box) {}

void ListBox::set_source(const ListSource* source) {
    source_ = source;
    lines_reset();
}

std::string ListBox::item(int i) const {
    return i >= 0 && i < count() ? source_->line(i) : std::string();
}

std::vector<std::string> ListBox::items() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) lines.push_back(source_->line(i));
    return lines;
}

void ListBox::note(LineChange change) {
    // A backend that never looks (or a big batch) gets one reset instead of a long log.
    constexpr std::size_t kMostTold = 64;
    if (change.kind == LineChange::Kind::reset || changes_.size() >= kMostTold)
        changes_.assign(1, {LineChange::Kind::reset, 0});
    else
        changes_.push_back(change);
    touch();
}

void ListBox::line_inserted(int row) {
    if (list_index_ >= row) ++list_index_;
    note({LineChange::Kind::inserted, row});
}

void ListBox::line_removed(int row) {
    if (list_index_ == row)
        list_index_ = -1;
    else if (list_index_ > row)
        --list_index_;
    note({LineChange::Kind::removed, row});
}

void ListBox::lines_reset(int selected) {
    list_index_ = selected >= 0 && selected < count() ? selected : -1;
    note({LineChange::Kind::reset, 0});
}

std::vector<ListBox::LineChange> ListBox::take_line_changes() {
    return std::exchange(changes_, {});
}

void ListBox::set_list_index(int i) {
    if (i < -1 || i >= count()) i = -1;
    if (i == list_index_) return;
    list_index_ = i;
    touch();
    if (on_click) on_click();
}

void ListBox::click_line(int i) {
    if (i < 0 || i >= count()) return;
    if (i != list_index_) {
        list_index_ = i;
        touch();
    }
    if (on_click) on_click();
}

// --- ImageBox

ImageBox::ImageBox(Form& owner, std::string name, bool stretch)
    : ImageBox(owner, std::move(name), stretch, ControlKind::image) {}

ImageBox::ImageBox(Form& owner, std::string name, bool stretch, ControlKind kind)
    : Control(owner, std::move(name), kind), stretch_(stretch) {}

void ImageBox::set_picture(Picture p) {
    picture_ = std::move(p);
    changed_ = {0, 0, picture_.width, picture_.height};
    touch();
}

void ImageBox::picture_changed(PixelRect r) {
    if (r.empty()) return;
    changed_ = united(changed_, r);
    touch();
}

PixelRect ImageBox::take_changed() {
    return std::exchange(changed_, PixelRect{});
}

PictureBox::PictureBox(Form& owner, std::string name)
    : ImageBox(owner, std::move(name), false, ControlKind::picture_box) {}

void PictureBox::set_mouse_icon(Icon icon) {
    if (!(mouse_icon_ == icon)) {
        mouse_icon_ = std::move(icon);
        touch();
    }
}

void ImageBox::set_resource(std::string r) {
    if (resource_ != r) {
        resource_ = std::move(r);
        touch();
    }
}

// --- Timer

Timer::Timer(Form& owner, std::string name, int interval_ms, bool enabled)
    : Control(owner, std::move(name), ControlKind::timer), interval_(interval_ms), timer_enabled_(enabled) {
    set_visible(false);
}

void Timer::set_interval(int ms) {
    interval_ = ms;
    ++generation_;
    touch();
}

void Timer::set_timer_enabled(bool e) {
    timer_enabled_ = e;
    ++generation_;
    touch();
}

// --- CheckBox, TextBox, Button, ProgressBar, Shape

CheckBox::CheckBox(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::check_box), caption_(std::move(caption)) {}

void CheckBox::set_value(bool v) {
    if (value_ != v) {
        value_ = v;
        touch();
    }
}

TextBox::TextBox(Form& owner, std::string name, std::string text)
    : Control(owner, std::move(name), ControlKind::text_box), text_(std::move(text)) {}

void TextBox::set_text(std::string t) {
    if (text_ != t) {
        text_ = std::move(t);
        touch();
        if (on_change) on_change();
    }
}

void TextBox::set_locked(bool l) {
    if (locked_ != l) {
        locked_ = l;
        touch();
    }
}

ComboBox::ComboBox(Form& owner, std::string name) : Control(owner, std::move(name), ControlKind::combo_box) {}

void ComboBox::add_item(std::string text) {
    items_.push_back(std::move(text));
    ++items_revision_;
    touch();
}

void ComboBox::clear() {
    items_.clear();
    list_index_ = -1;
    text_.clear();
    ++items_revision_;
    touch();
}

void ComboBox::set_list_index(int i) {
    if (i < -1 || i >= count()) i = -1;
    if (i == list_index_) return;
    list_index_ = i;
    text_ = i >= 0 ? items_[static_cast<std::size_t>(i)] : std::string();
    touch();
    if (on_click) on_click();
}

void ComboBox::set_editable(bool e) {
    if (editable_ != e) {
        editable_ = e;
        touch();
    }
}

void ComboBox::set_text(std::string t) {
    if (!editable_ || (text_ == t && list_index_ == -1)) return;
    text_ = std::move(t);
    list_index_ = -1;
    touch();
}

Button::Button(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::button), caption_(std::move(caption)) {}

void Button::set_caption(std::string c) {
    if (caption_ != c) {
        caption_ = std::move(c);
        touch();
    }
}

void Button::set_icon(Icon icon) {
    if (!(icon_ == icon)) {
        icon_ = std::move(icon);
        touch();
    }
}

ProgressBar::ProgressBar(Form& owner, std::string name) : Control(owner, std::move(name), ControlKind::progress_bar) {}

void ProgressBar::set_value(int v) {
    v = std::clamp(v, 0, 100);
    if (value_ != v) {
        value_ = v;
        touch();
    }
}

Shape::Shape(Form& owner, std::string name) : Shape(owner, std::move(name), ControlKind::shape) {}

Shape::Shape(Form& owner, std::string name, ControlKind kind) : Control(owner, std::move(name), kind) {}

Line::Line(Form& owner, std::string name) : Shape(owner, std::move(name), ControlKind::line) {}

Frame::Frame(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name), ControlKind::frame), caption_(std::move(caption)) {}

void Shape::set_border_colour(Colour c) {
    if (border_colour_ != c) {
        border_colour_ = c;
        touch();
    }
}

void Shape::set_border_width(int pixels) {
    pixels = std::max(pixels, 1);
    if (border_width_ != pixels) {
        border_width_ = pixels;
        touch();
    }
}

ScrollBar::ScrollBar(Form& owner, std::string name, int min, int max, int value)
    : Control(owner, std::move(name), ControlKind::scroll_bar),
      min_(min),
      max_(max),
      value_(std::clamp(value, min, max)) {}

void ScrollBar::set_value(int v) {
    v = std::clamp(v, min_, max_);
    if (value_ == v) return;
    value_ = v;
    touch();
    if (on_change) on_change();
}

void ScrollBar::drag_to(int v) {
    dragging_ = true;
    value_ = std::clamp(v, min_, max_);
    touch();
    if (on_scroll) on_scroll();
}

void ScrollBar::end_drag() {
    if (!std::exchange(dragging_, false)) return;
    if (on_change) on_change();
}

}  // namespace vis
