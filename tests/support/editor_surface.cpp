#include "editor_surface.h"

#include <algorithm>
#include <stdexcept>

#include "support/canvas_pixels.h"

namespace vis::test {

namespace {
Button& button_reading(const Form& form, const std::string& caption) {
    for (Control* c : form.controls())
        if (auto* b = dynamic_cast<Button*>(c); b != nullptr && b->caption() == caption) return *b;
    throw std::invalid_argument(form.name() + " has no button " + caption);
}

template <class W>
W& loaded_or_fail(App& app, const char* what) {
    W* w = app.form->windows().loaded<W>();
    if (w == nullptr) throw std::logic_error(std::string(what) + " is not open");
    return *w;
}

void choose_item(ComboBox& box, const std::string& name) {
    const auto& items = box.items();
    const auto at = std::find(items.begin(), items.end(), name);
    if (at == items.end()) throw std::invalid_argument("the text dialog offers no " + name);
    box.set_list_index(static_cast<int>(at - items.begin()));
}

std::optional<Rect> box_if_shown(const Control& c) {
    return c.visible() ? std::optional<Rect>(c.bounds()) : std::nullopt;
}
}  // namespace

// --- the effects dialog

void EffectsSurface::click(const std::string& caption) {
    vis::test::click(button_reading(d_, caption));
}

bool EffectsSurface::enabled(const std::string& caption) const {
    return button_reading(d_, caption).enabled();
}

std::string EffectsSurface::run(const std::string& caption) {
    const std::size_t asked = prompts_.asked().size();
    prompts_.answer_message(MsgResult::ok);
    click(caption);
    const auto& now = prompts_.asked();
    if (now.size() == asked || now.back().kind != AskedPrompt::Kind::message) return {};
    return now.back().box.text;
}

// --- the text dialog

void TextSurface::choose_font(const std::string& name) {
    choose_item(d_.cmb_font, name);
}

void TextSurface::choose_style(const std::string& name) {
    choose_item(d_.cmb_style, name);
}

// --- the editor

EditorWindow& EditorSurface::window() const {
    return loaded_or_fail<EditorWindow>(app_, "the editor");
}

void EditorSurface::click(const std::string& caption) {
    vis::test::click(button_reading(window(), caption));
}

void EditorSurface::select(int x1, int y1, int x2, int y2) {
    click(editor_button::kSelect);
    stroke({{x1, y1}, {x2, y2}});
}

void EditorSurface::pick_colour(Colour colour) {
    app_.plat.prompts.answer_colour(colour);
    vis::test::click(window().lbl_pnt_color);
}

void EditorSurface::clear_all(MsgResult answer) {
    app_.plat.prompts.answer_message(answer);
    click(editor_button::kClearAll);
}

std::string EditorSurface::save_as(const std::string& path) {
    app_.plat.prompts.answer_save(path);
    app_.plat.prompts.answer_message(MsgResult::ok);
    click(editor_button::kSave);
    return app_.plat.prompts.asked().back().box.text;
}

std::optional<std::string> EditorSurface::width_tip() const {
    const Label& tip = window().lbl_width;
    return tip.visible() ? std::optional<std::string>(tip.caption()) : std::nullopt;
}

void EditorSurface::stroke(std::initializer_list<std::pair<int, int>> points) {
    auto it = points.begin();
    press_at(it->first, it->second);
    for (++it; it != points.end(); ++it) move_to(it->first, it->second);
    const auto last = *(points.end() - 1);
    release_at(last.first, last.second);
}

void EditorSurface::popup(int x, int y, const std::string& entry) {
    app_.plat.prompts.answer_popup(entry);
    mouse_down(window().pct_ss, button::kRight, x + kAhead, y + kAhead);
}

std::int32_t EditorSurface::colour_at(double x, double y) const {
    return vis::test::colour_at(window().canvas(), x, y);
}

std::pair<int, int> EditorSurface::size_px() const {
    return {window().canvas().width_px(), window().canvas().height_px()};
}

std::optional<Rect> EditorSurface::selection() const {
    return box_if_shown(window().shp_sel);
}

std::optional<Rect> EditorSurface::line() const {
    return box_if_shown(window().lne_str);
}

std::optional<Rect> EditorSurface::text_preview_box() const {
    return box_if_shown(window().lbl_pnt_5);
}

EffectsSurface EditorSurface::effects() const {
    return {loaded_or_fail<EffectsDialog>(app_, "the effects dialog"), app_.plat.prompts};
}

EffectsSurface EditorSurface::open_effects() {
    click(editor_button::kEffects);
    return effects();
}

TextSurface EditorSurface::text_dialog() const {
    return TextSurface(loaded_or_fail<TextDialog>(app_, "the text dialog"));
}

}  // namespace vis::test
