#include "control.h"

#include <algorithm>
#include <utility>

#include "form.h"

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

namespace {
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool list_line_less(const std::string& a, const std::string& b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]), y = lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

ListBox::ListBox(Form& owner, std::string name, bool sorted)
    : Control(owner, std::move(name), ControlKind::list_box), sorted_(sorted) {}

void ListBox::items_changed() {
    ++items_revision_;
    touch();
}

void ListBox::add_item(std::string text) {
    if (sorted_) {
        const auto at = std::upper_bound(items_.begin(), items_.end(), text, list_line_less);
        const auto pos = at - items_.begin();
        items_.insert(at, std::move(text));
        if (list_index_ >= pos) ++list_index_;
    } else {
        items_.push_back(std::move(text));
    }
    items_changed();
}

void ListBox::add_items(std::vector<std::string> texts) {
    if (texts.empty()) return;
    if (!sorted_) {
        for (auto& t : texts) items_.push_back(std::move(t));
        items_changed();
        return;
    }
    const std::string selected = list_index_ >= 0 ? items_[static_cast<std::size_t>(list_index_)] : std::string();
    if (!std::is_sorted(texts.begin(), texts.end(), list_line_less))
        std::stable_sort(texts.begin(), texts.end(), list_line_less);
    const auto middle = static_cast<std::ptrdiff_t>(items_.size());
    for (auto& t : texts) items_.push_back(std::move(t));
    std::inplace_merge(items_.begin(), items_.begin() + middle, items_.end(), list_line_less);
    if (list_index_ >= 0) {
        // The selected line keeps its highlight wherever the merge moved it.
        const auto lo = std::lower_bound(items_.begin(), items_.end(), selected, list_line_less);
        list_index_ = static_cast<int>(lo - items_.begin());
    }
    items_changed();
}

void ListBox::remove_item(int i) {
    if (i < 0 || i >= count()) return;
    items_.erase(items_.begin() + i);
    if (list_index_ == i)
        list_index_ = -1;
    else if (list_index_ > i)
        --list_index_;
    items_changed();
}

void ListBox::clear() {
    if (items_.empty() && list_index_ == -1) return;
    items_.clear();
    list_index_ = -1;
    items_changed();
}

void ListBox::set_list_index(int i) {
    if (i < -1 || i >= count()) i = -1;
    if (i == list_index_) return;
    list_index_ = i;
    touch();
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
