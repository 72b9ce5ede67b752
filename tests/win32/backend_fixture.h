#pragma once
// A form of the Win32 backend, and the readings the backend tests share.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/form.h"
#include "win32/control_view.h"
#include "win32/form_window.h"
#include "win32/wide.h"
#include "win32/win32_window_system.h"

namespace vis::win32 {

inline std::string text_of(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return narrow(text);
}

// A window's place in its parent's client area, in pixels.
inline RECT place_of(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class Win32Backend : public ::testing::Test {
protected:
    Win32WindowSystem windows{"."};
    Form form{windows, "F", "題名"};

    FormWindow& window() { return *windows.window_of(&form); }
    HWND hwnd_of(const Control& c) { return window().view_of(c)->hwnd(); }
    void show() {
        form.show();
        windows.render();
    }
};

}  // namespace vis::win32
