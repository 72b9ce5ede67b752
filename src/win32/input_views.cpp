#include "win32/input_views.h"

#include <cmath>

#include "ui/input_rules.h"
#include "win32/graphical_button.h"
#include "win32/units.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"

namespace vis::win32 {

namespace {

std::string window_text(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void set_text_if_changed(HWND hwnd, const std::string& text) {
    if (window_text(hwnd) != text) SetWindowTextW(hwnd, widen(text).c_str());
}

}  // namespace

ButtonView::ButtonView(FormWindow& window, Button& button)
    : ControlView(window, button), graphical_(!button.icon().resource.empty()) {
    create(L"BUTTON", WS_TABSTOP | (graphical_ ? BS_OWNERDRAW : BS_PUSHBUTTON), 0, widen(button.caption()));
}

void ButtonView::render() {
    const auto& button = static_cast<const Button&>(*control_);
    set_text_if_changed(hwnd(), button.caption());
    if (!graphical_ || button.icon() == shown_icon_) return;
    shown_icon_ = button.icon();
    icon_.load(system_.program_folder(), shown_icon_.resource);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

bool ButtonView::draw_item(const DRAWITEMSTRUCT& item) {
    if (!graphical_) return false;
    // The icon's size is given at 96 DPI (15 twips a pixel); it grows with the screen's scale.
    const auto scaled = [this](int side) { return static_cast<int>(std::lround(side * 15.0 / twips_per_pixel())); };
    const SIZE size{scaled(shown_icon_.width > 0 ? shown_icon_.width : icon_.width()),
                    scaled(shown_icon_.height > 0 ? shown_icon_.height : icon_.height())};
    draw_graphical_button(item, icon_, size);
    return true;
}

void ButtonView::command(int code) {
    if (code != BN_CLICKED) return;
    forward([](Control& c) {
        if (c.on_click) c.on_click();
    });
}

CheckBoxView::CheckBoxView(FormWindow& window, CheckBox& box) : ControlView(window, box) {
    create(L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0, widen(box.caption()));
}

void CheckBoxView::render() {
    const auto& box = static_cast<const CheckBox&>(*control_);
    SendMessageW(hwnd(), BM_SETCHECK, box.value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBoxView::command(int code) {
    if (code != BN_CLICKED) return;
    // The model decides the state; the box shows it when it renders.
    forward([](Control& c) { click_check_box(static_cast<CheckBox&>(c)); });
}

TextBoxView::TextBoxView(FormWindow& window, TextBox& box) : ControlView(window, box) {
    create(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, widen(box.text()));
}

void TextBoxView::render() {
    const auto& box = static_cast<const TextBox&>(*control_);
    rendering_ = true;
    set_text_if_changed(hwnd(), box.text());
    SendMessageW(hwnd(), EM_SETREADONLY, box.locked(), 0);
    rendering_ = false;
}

void TextBoxView::command(int code) {
    if (code != EN_CHANGE || rendering_) return;
    const std::string text = window_text(hwnd());
    forward([&text](Control& c) { static_cast<TextBox&>(c).set_text(text); });
}

}  // namespace vis::win32

namespace vis::win32 {

ComboBoxView::ComboBoxView(FormWindow& window, ComboBox& combo) : ControlView(window, combo) {
    create(L"COMBOBOX",
           WS_TABSTOP | WS_VSCROLL | (combo.editable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST));
}

RECT ComboBoxView::geometry_px() const {
    // The window's height includes the list that drops down (200 pixels at 96 DPI).
    RECT r = ControlView::geometry_px();
    r.bottom += twips_to_px(3000, twips_per_pixel());
    return r;
}

void ComboBoxView::render() {
    const auto& model = static_cast<const ComboBox&>(*control_);
    rendering_ = true;
    if (items_shown_.moved_on(model.items_revision())) {
        SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : model.items())
            SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    }
    if (!shows_typed_text(model) && SendMessageW(hwnd(), CB_GETCURSEL, 0, 0) != model.list_index())
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(model.list_index()), 0);
    if (model.editable()) set_text_if_changed(hwnd(), model.text());
    rendering_ = false;
}

void ComboBoxView::command(int code) {
    if (rendering_ || control_ == nullptr) return;
    if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
        forward([index](Control& c) { static_cast<ComboBox&>(c).set_list_index(index); });
    } else if (code == CBN_EDITCHANGE) {
        const std::string text = window_text(hwnd());
        forward([&text](Control& c) { static_cast<ComboBox&>(c).set_text(text); });
    }
}

ScrollBarView::ScrollBarView(FormWindow& window, ScrollBar& bar) : ControlView(window, bar) {
    create(L"SCROLLBAR", WS_TABSTOP | SBS_HORZ);
}

void ScrollBarView::render() {
    const auto& model = static_cast<const ScrollBar&>(*control_);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS | SIF_PAGE, model.min(), model.max(), 0, model.value(), 0};
    SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

void ScrollBarView::scroll(int code) {
    if (control_ == nullptr) return;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd(), SB_CTL, &info);
    ScrollMove move = ScrollMove::step;
    int value = info.nPos;
    switch (code) {
        case SB_LINELEFT:
        case SB_PAGELEFT:
            --value;
            break;
        case SB_LINERIGHT:
        case SB_PAGERIGHT:
            ++value;
            break;
        case SB_THUMBTRACK:
            move = ScrollMove::drag;
            value = info.nTrackPos;
            break;
        case SB_THUMBPOSITION:
            move = ScrollMove::release;
            break;
        default:
            return;
    }
    forward([move, value](Control& c) { scroll_bar_moved(static_cast<ScrollBar&>(c), move, value); });
}

}  // namespace vis::win32
