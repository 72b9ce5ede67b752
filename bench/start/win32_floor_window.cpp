// Wine's own share of a start: a program that shows one plain window and ends once the window has
// painted. The floor below which no Windows program's start under Wine can go, timed beside the
// start probes (bench/start/paired_start.sh).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK floor_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        std::printf("painted\n");
        std::fflush(stdout);
        std::_Exit(0);
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int main() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = floor_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = L"StartFloor";
    RegisterClassW(&window_class);
    HWND hwnd = CreateWindowExW(0, L"StartFloor", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                nullptr, nullptr, window_class.hInstance, nullptr);
    if (hwnd == nullptr) return 1;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
