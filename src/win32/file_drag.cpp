#include "win32/file_drag.h"

#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shlobj.h>

#include "win32/wide.h"

namespace vis::win32 {

namespace {

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
        if (escape) return DRAGDROP_S_CANCEL;
        if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
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
    if (!ole) return false;
    IDataObject* data = file_data_object(path);
    if (data == nullptr) return false;
    DropSource source;
    DWORD effect = DROPEFFECT_NONE;
    // Copy only: no drop target may move or delete the screenshot.
    const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
    data->Release();
    return SUCCEEDED(result);
}

}  // namespace vis::win32
