#pragma once
// The window-system model: plain objects holding the properties the program reads and writes.
// They hold no widget; a backend renders them and feeds events back through the callbacks.
// Every property change bumps the control's revision so a backend re-renders only what changed.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/colour.h"
#include "ui/font.h"
#include "ui/list_source.h"
#include "ui/picture.h"

namespace vis {

class Form;

// Twips (1/1440 inch) for every position and size.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum class ControlKind {
    label,
    list_box,
    file_list,
    image,
    timer,
    check_box,
    text_box,
    combo_box,
    button,
    progress_bar,
    shape,
    line,
    frame,
    picture_box,
    scroll_bar,
};

// A small picture that ships with the program (data/<resource>), with its size in pixels.
struct Icon {
    std::string resource;
    int width = 0;
    int height = 0;
    bool operator==(const Icon&) const = default;
};

class Control {
public:
    Control(Form& owner, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    std::uint64_t revision() const { return revision_; }

    bool visible() const { return visible_; }
    void set_visible(bool v);
    bool enabled() const { return enabled_; }
    void set_enabled(bool v);

    const Rect& bounds() const { return bounds_; }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void set_bounds(Rect r);
    void move(int left, int top);
    void resize(int width, int height);

    // The control this one lies in (a frame or a picture box), or nullptr for the form itself.
    // Its position is then relative to the container's top-left corner and may be negative, and
    // the container clips it. A container is made before the controls it holds.
    Control* container() const { return container_; }
    void set_container(Control& c);

    // Free text the program uses as a small state variable ("not", "copy", a path).
    const std::string& tag() const { return tag_; }
    void set_tag(std::string t) { tag_ = std::move(t); }

    const Font& font() const { return font_; }
    void set_font(Font f);
    Colour fore_colour() const { return fore_; }
    void set_fore_colour(Colour c);
    Colour back_colour() const { return back_; }
    void set_back_colour(Colour c);

    // A hint shown while the pointer rests on the control (and told to screen readers).
    const std::string& tool_tip() const { return tool_tip_; }
    void set_tool_tip(std::string text);

    // Keyboard focus: asks the form to focus this control.
    void set_focus();

    // Events, wired by the owning form to its handlers. Positions are twips relative to the control.
    std::function<void()> on_click;
    std::function<void()> on_dbl_click;
    std::function<void(int button, int shift, int x, int y)> on_mouse_down;
    std::function<void(int button, int shift, int x, int y)> on_mouse_move;
    std::function<void(int button, int shift, int x, int y)> on_mouse_up;
    std::function<void(int key_code, int shift)> on_key_down;
    // What a drag with the left button carries out of the control, asked once the pointer has
    // moved far enough: a file's path as the system knows it, always offered as a copy. Empty:
    // nothing is dragged. Without it the control starts no drag and its own press-and-move stays.
    std::function<std::string()> on_drag_file;

protected:
    void touch() { ++revision_; }

private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    std::uint64_t revision_ = 1;
    bool visible_ = true;
    bool enabled_ = true;
    Rect bounds_;
    Control* container_ = nullptr;
    std::string tag_;
    std::string tool_tip_;
    Font font_;
    Colour fore_ = kDefaultColour;
    Colour back_ = kDefaultColour;
};

enum class Alignment { left, right, centre };

class Label : public Control {
public:
    Label(Form& owner, std::string name, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void set_caption(std::string c);
    Alignment alignment() const { return alignment_; }
    void set_alignment(Alignment a);
    bool opaque() const { return opaque_; }
    void set_opaque(bool o);

private:
    std::string caption_;
    Alignment alignment_ = Alignment::left;
    bool opaque_ = true;
};

// A list box over a source of lines, which it asks for a line when it is shown. Whoever changes
// the source tells the list box which line came or went, so the selection stays on its line and
// a backend updates only that line. Setting the selected index from code runs on_click at once,
// exactly as a user's selection does; the program relies on it to step through screenshots.
class ListBox : public Control {
public:
    ListBox(Form& owner, std::string name);
    // The lines shown; nullptr shows none. The source stays alive while the list box shows it.
    void set_source(const ListSource* source);
    int count() const { return source_ != nullptr ? source_->count() : 0; }
    std::string item(int i) const;
    // Every line: for a build that needs them all, and for tests.
    std::vector<std::string> items() const;

    // The source gained line `row` / lost line `row`.
    void line_inserted(int row);
    void line_removed(int row);
    // The source changed as a whole; `selected` is the row selected now (-1 for none). Runs no
    // click handling: the lines changed, not the user's choice.
    void lines_reset(int selected = -1);

    int list_index() const { return list_index_; }
    // Selects row i (-1 for none); runs on_click when the selection changes.
    void set_list_index(int i);
    // A click on row i: selects it and runs on_click, whether it was selected already or not.
    void click_line(int i);

    // What a backend showing the list has not yet applied, oldest first. When more changed than
    // is worth telling line by line, one reset stands for all.
    struct LineChange {
        enum class Kind { reset, inserted, removed };
        Kind kind;
        int row;
        bool operator==(const LineChange&) const = default;
    };
    std::vector<LineChange> take_line_changes();

private:
    void note(LineChange change);

    const ListSource* source_ = nullptr;
    int list_index_ = -1;
    std::vector<LineChange> changes_;
};

// An image control: the picture stretched to the box, or the box sized to the picture.
class ImageBox : public Control {
public:
    ImageBox(Form& owner, std::string name, bool stretch);
    bool stretch() const { return stretch_; }
    const Picture& picture() const { return picture_; }
    // The whole picture is shown anew, even when it is the same buffer as before.
    void set_picture(Picture p);
    // The picture's pixels changed in place inside `r`: a backend repaints only that part.
    void picture_changed(PixelRect r);
    // What changed since the backend last took it (the whole picture after set_picture).
    PixelRect take_changed();
    // Icons that ship with the program, by file name under data/ (e.g. "sort_up.png").
    const std::string& resource() const { return resource_; }
    void set_resource(std::string r);

protected:
    ImageBox(Form& owner, std::string name, bool stretch, ControlKind kind);

private:
    bool stretch_;
    Picture picture_;
    PixelRect changed_;
    std::string resource_;
};

// A picture box: a picture at its natural size that reports the pointer (press, move and release
// with the button mask, shift state and X, Y in twips). While a button is held it keeps getting
// the pointer, even outside itself. Over it the pointer shows `mouse_icon`. Controls it contains
// are overlays: they lie over the picture in its coordinates and let the pointer through to it.
class PictureBox : public ImageBox {
public:
    PictureBox(Form& owner, std::string name);
    const Icon& mouse_icon() const { return mouse_icon_; }
    void set_mouse_icon(Icon icon);

private:
    Icon mouse_icon_;
};

class Timer : public Control {
public:
    Timer(Form& owner, std::string name, int interval_ms, bool enabled);
    int interval() const { return interval_; }
    // Setting the interval or the enabled state restarts the countdown.
    void set_interval(int ms);
    bool timer_enabled() const { return timer_enabled_; }
    void set_timer_enabled(bool e);
    // Changes whenever the countdown must start again.
    std::uint64_t generation() const { return generation_; }

    std::function<void()> on_timer;

private:
    int interval_;
    bool timer_enabled_;
    std::uint64_t generation_ = 1;
};

class CheckBox : public Control {
public:
    CheckBox(Form& owner, std::string name, std::string caption);
    const std::string& caption() const { return caption_; }
    bool value() const { return value_; }
    void set_value(bool v);

private:
    std::string caption_;
    bool value_ = false;
};

class TextBox : public Control {
public:
    TextBox(Form& owner, std::string name, std::string text = {});
    const std::string& text() const { return text_; }
    void set_text(std::string t);
    bool locked() const { return locked_; }
    void set_locked(bool l);

    std::function<void()> on_change;

private:
    std::string text_;
    bool locked_ = false;
};

// A drop-down list. An editable one also takes text the user types, which is then its text.
class ComboBox : public Control {
public:
    ComboBox(Form& owner, std::string name);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& items() const { return items_; }
    void add_item(std::string text);
    // Removes the items and the text.
    void clear();
    int list_index() const { return list_index_; }
    // Runs on_click when the selection changes; the text becomes the chosen item's.
    void set_list_index(int i);
    bool editable() const { return editable_; }
    void set_editable(bool e);
    // The chosen item, or what was typed into an editable combo.
    const std::string& text() const { return text_; }
    // Typed text: the combo shows it with no item chosen. Ignored unless editable.
    void set_text(std::string t);
    std::uint64_t items_revision() const { return items_revision_; }

private:
    std::vector<std::string> items_;
    int list_index_ = -1;
    bool editable_ = false;
    std::string text_;
    std::uint64_t items_revision_ = 1;
};

class Button : public Control {
public:
    Button(Form& owner, std::string name, std::string caption);
    const std::string& caption() const { return caption_; }
    void set_caption(std::string c);
    // A graphical button shows its icon above the caption. Give the icon before the form is
    // first shown: the backend picks the kind of button then.
    const Icon& icon() const { return icon_; }
    void set_icon(Icon icon);

private:
    std::string caption_;
    Icon icon_;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& owner, std::string name);
    int value() const { return value_; }
    void set_value(int v);  // 0 to 100

private:
    int value_ = 0;
};

// A rectangle outline.
class Shape : public Control {
public:
    Shape(Form& owner, std::string name);
    Colour border_colour() const { return border_colour_; }
    void set_border_colour(Colour c);
    // Pixels; below 1 counts as 1.
    int border_width() const { return border_width_; }
    void set_border_width(int pixels);

protected:
    Shape(Form& owner, std::string name, ControlKind kind);

private:
    Colour border_colour_ = rgb(0, 0, 0);
    int border_width_ = 1;
};

// A straight line whose two end points are the corners of its bounds (x1, y1, x2, y2).
class Line : public Shape {
public:
    Line(Form& owner, std::string name);
};

// A group frame with a caption; it may also contain controls (see Control::container).
class Frame : public Control {
public:
    Frame(Form& owner, std::string name, std::string caption);
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
};

// A horizontal scroll bar. While the user drags the thumb the value follows and on_scroll runs;
// on_change runs when the thumb is let go, and whenever an arrow, the track or the program
// changes the value.
class ScrollBar : public Control {
public:
    ScrollBar(Form& owner, std::string name, int min, int max, int value);
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    // Clamped to min..max; runs on_change when the value changes.
    void set_value(int v);
    void drag_to(int v);
    void end_drag();

    std::function<void()> on_scroll;
    std::function<void()> on_change;

private:
    int min_;
    int max_;
    int value_;
    bool dragging_ = false;
};

}  // namespace vis
