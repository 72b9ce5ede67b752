#include "platform/win32/input_views.h"

#include "platform/win32/wide.h"

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

ButtonView::ButtonView(FormWindow& window, Button& button) : ControlView(window, button) {
    create(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, widen(button.caption()));
}

void ButtonView::render() {
    set_text_if_changed(hwnd(), static_cast<const Button&>(*control_).caption());
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
    forward([](Control& c) {
        auto& box = static_cast<CheckBox&>(c);
        box.set_value(!box.value());
        if (c.on_click) c.on_click();
    });
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
