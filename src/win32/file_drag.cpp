#include "win32/file_drag.h"

#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shlobj.h>

#include <cstdarg>
#include <cstdio>

#include "win32/wide.h"

namespace vis::win32 {

namespace {

// With VISTELLE_DRAG_LOG naming a file, each drag appends what happened to it there, so that a
// drag that delivers nothing shows whether it started; without it nothing is written.
void drag_log(const char* format, ...) {
    static const std::wstring log_path = [] {
        wchar_t path[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableW(L"VISTELLE_DRAG_LOG", path, MAX_PATH);
        return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
    }();
    if (log_path.empty()) return;
    std::FILE* file = _wfopen(log_path.c_str(), L"a");
    if (file == nullptr) return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(file, format, arguments);
    va_end(arguments);
    std::fputc('\n', file);
    std::fclose(file);
}

// The source side of a drag: ends it when the left button comes up, cancels it on Escape, and
// leaves the pointer to the system.
class DropSource : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack for the one drag.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        ++asked;
        if (escape) return DRAGDROP_S_CANCEL;
        if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        ++fed_back;
        last_effect = effect;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

    // For the drag log: how often the system asked, and the effect it last showed.
    int asked = 0;
    int fed_back = 0;
    DWORD last_effect = DROPEFFECT_NONE;
};

}  // namespace

IDataObject* file_data_object(const std::string& path) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(SHParseDisplayName(widen(path).c_str(), nullptr, &item, 0, nullptr)) || item == nullptr) return nullptr;
    IShellFolder* folder = nullptr;
    PCUITEMID_CHILD child = nullptr;
    IDataObject* data = nullptr;
    if (SUCCEEDED(SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&folder), &child))) {
        folder->GetUIObjectOf(nullptr, 1, &child, IID_IDataObject, nullptr, reinterpret_cast<void**>(&data));
        folder->Release();
    }
    CoTaskMemFree(item);
    return data;
}

bool drag_file_out(const std::string& path) {
    // Drag and drop needs OLE on this thread; asked once, kept for the run.
    static const bool ole = SUCCEEDED(OleInitialize(nullptr));
    drag_log("drag %s", path.c_str());
    if (!ole) {
        drag_log("no OLE on this thread");
        return false;
    }
    IDataObject* data = file_data_object(path);
    if (data == nullptr) {
        drag_log("the shell has no data object for the file");
        return false;
    }
    DropSource source;
    DWORD effect = DROPEFFECT_NONE;
    // Copy only: no drop target may move or delete the screenshot.
    const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
    drag_log("DoDragDrop 0x%08lx effect %lu asked %d fed back %d last shown %lu", static_cast<unsigned long>(result),
             static_cast<unsigned long>(effect), source.asked, source.fed_back,
             static_cast<unsigned long>(source.last_effect));
    data->Release();
    return SUCCEEDED(result);
}

}  // namespace vis::win32
