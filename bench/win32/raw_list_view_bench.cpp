// The baseline of the main list's first showing on Windows: the system's own owner-data list view,
// in a plain window and with nothing of the program's, given 40 or 10,000 lines, its last line
// chosen and scrolled to, and painted. Under Wine the count itself costs: the program's list pays
// the same at start-up.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace vis::bench {
namespace {

LRESULT CALLBACK plain_window(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == LVN_GETDISPINFOW) {
        auto& item = reinterpret_cast<NMLVDISPINFOW*>(lp)->item;
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            const std::wstring line = L"2024/01/01 12:00:00  PelmarOnline_" + std::to_wstring(item.iItem) + L".jpg";
            lstrcpynW(item.pszText, line.c_str(), item.cchTextMax);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND plain_top_window() {
    static const HWND top = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW cls{};
        cls.lpfnWndProc = plain_window;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = L"VistelleBenchPlainWindow";
        RegisterClassW(&cls);
        const HWND made = CreateWindowW(cls.lpszClassName, L"list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 640,
                                        nullptr, nullptr, cls.hInstance, nullptr);
        pump();
        return made;
    }();
    return top;
}

void BM_RawListViewTakesLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const HWND top = plain_top_window();
    for (auto _ : state) {
        state.PauseTiming();
        const HWND list = CreateWindowExW(
            0, WC_LISTVIEWW, L"",
            WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, 8, 8,
            440, 580, top, nullptr, nullptr, nullptr);
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = 400;
        SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        UpdateWindow(list);
        pump();
        state.ResumeTiming();

        SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(lines), LVSICF_NOSCROLL);
        LVITEMW chosen{};
        chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(lines - 1), reinterpret_cast<LPARAM>(&chosen));
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(lines - 1), FALSE);
        UpdateWindow(list);

        state.PauseTiming();
        if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != lines) state.SkipWithError("the list did not take its lines");
        DestroyWindow(list);
        pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RawListViewTakesLines)->Arg(40)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vis::bench
