// A window that takes OLE drops and writes down what it got, for the end-to-end drag out of the
// program: a plain Win32 program, as Explorer or a chat program is to the drag's source.
// usage: vistelle_drop_target.exe <log file> [left top]
// Opens a 300x200 window titled "Drop target" (at left, top when given) and appends one line per
// event to the log, flushed at once:
//   enter <allowed effects>             when a drag enters the window
//   drop <allowed effects> <formats>    when something is dropped (formats joined by ',')
//   file <full path>                    for each file name its CF_HDROP holds
// A drop is answered with DROPEFFECT_COPY when the source allows it, else with none.
#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::FILE* log_file = nullptr;

std::string utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

void write_line(const std::string& line) {
    std::fprintf(log_file, "%s\n", line.c_str());
    std::fflush(log_file);
}

// A format as the log names it: the registered name, or CF_<number> for the system's own.
std::string format_name(CLIPFORMAT format) {
    if (format == CF_HDROP) return "CF_HDROP";
    wchar_t name[128] = {};
    if (GetClipboardFormatNameW(format, name, 128) > 0) return utf8(name);
    return "CF_" + std::to_string(format);
}

std::string offered_formats(IDataObject* data) {
    std::string names;
    IEnumFORMATETC* formats = nullptr;
    if (FAILED(data->EnumFormatEtc(DATADIR_GET, &formats)) || formats == nullptr) return "(none)";
    FORMATETC format{};
    while (formats->Next(1, &format, nullptr) == S_OK) {
        names += (names.empty() ? "" : ",") + format_name(format.cfFormat);
        if (format.ptd != nullptr) CoTaskMemFree(format.ptd);
    }
    formats->Release();
    return names.empty() ? "(none)" : names;
}

void write_files(IDataObject* data) {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK) {
        write_line("file (no CF_HDROP)");
        return;
    }
    const auto drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t name[MAX_PATH] = {};
        DragQueryFileW(drop, i, name, MAX_PATH);
        write_line("file " + utf8(name));
    }
    ReleaseStgMedium(&medium);
}

DWORD copy_if_allowed(DWORD allowed) {
    return (allowed & DROPEFFECT_COPY) != 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

class DropTarget : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // One for the program's life.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        write_line("enter " + std::to_string(*effect));
        *effect = copy_if_allowed(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = copy_if_allowed(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        write_line("drop " + std::to_string(*effect) + " " + offered_formats(data));
        write_files(data);
        *effect = copy_if_allowed(*effect);
        return S_OK;
    }
};

LRESULT CALLBACK window_proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    log_file = _wfopen(argv[1], L"ab");
    if (log_file == nullptr) return 2;
    if (FAILED(OleInitialize(nullptr))) return 3;
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = L"VistelleDropTarget";
    RegisterClassW(&window_class);
    const int left = argc >= 4 ? _wtoi(argv[2]) : CW_USEDEFAULT, top = argc >= 4 ? _wtoi(argv[3]) : CW_USEDEFAULT;
    HWND window = CreateWindowExW(0, window_class.lpszClassName, L"Drop target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, left,
                                  top, 300, 200, nullptr, nullptr, window_class.hInstance, nullptr);
    if (window == nullptr) return 4;
    DropTarget target;
    if (FAILED(RegisterDragDrop(window, &target))) return 5;
    write_line("ready");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RevokeDragDrop(window);
    OleUninitialize();
    std::fclose(log_file);
    return 0;
}
