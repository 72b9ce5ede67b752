#include "win32/message_box_style.h"

#include <windows.h>
// The program's own MessageBox, not the system's macro of that name.
#undef MessageBox

#include "win32/wide.h"

namespace vis::win32 {

namespace {

int button_count(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::ok:
            return 1;
        case MsgButtons::yes_no_cancel:
            return 3;
        case MsgButtons::ok_cancel:
        case MsgButtons::yes_no:
            break;
    }
    return 2;
}

}  // namespace

unsigned message_box_style(const MessageBox& box) {
    unsigned style = MB_SETFOREGROUND;
    switch (box.buttons) {
        case MsgButtons::ok:
            style |= MB_OK;
            break;
        case MsgButtons::ok_cancel:
            style |= MB_OKCANCEL;
            break;
        case MsgButtons::yes_no:
            style |= MB_YESNO;
            break;
        case MsgButtons::yes_no_cancel:
            style |= MB_YESNOCANCEL;
            break;
    }
    switch (box.icon) {
        case MsgIcon::critical:
            style |= MB_ICONERROR;
            break;
        case MsgIcon::question:
            style |= MB_ICONQUESTION;
            break;
        case MsgIcon::exclamation:
            style |= MB_ICONWARNING;
            break;
        case MsgIcon::information:
            style |= MB_ICONINFORMATION;
            break;
        case MsgIcon::none:
            break;
    }
    const int chosen =
        box.default_button >= 0 && box.default_button < button_count(box.buttons) ? box.default_button : 0;
    static constexpr unsigned kDefaults[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
    return style | kDefaults[chosen];
}

MsgResult message_box_result(int id, MsgButtons buttons) {
    switch (id) {
        case IDOK:
            return MsgResult::ok;
        case IDYES:
            return MsgResult::yes;
        case IDNO:
            return MsgResult::no;
        default:
            // Escape or the close box on a box without Cancel: its own way out.
            return way_out(buttons);
    }
}

std::wstring file_filter(const std::string& filter) {
    if (filter.empty()) return std::wstring(2, L'\0');
    std::wstring out = widen(filter);
    // An odd count of parts leaves a description without a pattern: it shows every file.
    std::size_t bars = 0;
    for (wchar_t& c : out)
        if (c == L'|') {
            c = L'\0';
            ++bars;
        }
    if (bars % 2 == 0) out += std::wstring(L"\0*.*", 4);
    out += std::wstring(2, L'\0');
    return out;
}

}  // namespace vis::win32
