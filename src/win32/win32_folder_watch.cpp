#include "win32/win32_folder_watch.h"

#include <utility>
#include <vector>

#include "win32/wide.h"
#include "win32/win32_window_system.h"

namespace vis {

namespace {

constexpr UINT kChanged = WM_APP + 27;
constexpr wchar_t kClass[] = L"VistelleFolderWatch";
constexpr DWORD kWhat = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
// A few hundred quick changes fit; more than a request may ask for over a network share (64 KB)
// the system does not give.
constexpr DWORD kBufferBytes = 65536;

}  // namespace

Win32FolderWatch::Win32FolderWatch(win32::Win32WindowSystem* windows) : windows_(windows) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);  // fails harmlessly when a watch registered it before
    window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32FolderWatch::~Win32FolderWatch() {
    stop();
    if (window_ != nullptr) DestroyWindow(window_);
}

bool Win32FolderWatch::watch(const std::string& folder, Listener listener) {
    stop();
    const std::wstring path = win32::long_path(folder);
    if (window_ == nullptr || path.empty()) return false;
    folder_ = win32::Handle(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    stopping_ = win32::Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const win32::Handle asking(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!folder_.valid() || !stopping_.valid() || !asking.valid()) {
        folder_.close();
        stopping_.close();
        return false;
    }
    listener_ = std::move(listener);
    worker_ = std::thread([this, asked = asking.get()] { run(asked); });
    // Changes count from the worker's first request on: once that is made, nothing saved after
    // this returns goes unheard (the caller reads the folder next).
    WaitForSingleObject(asking.get(), INFINITE);
    if (asking_failed_) stop();
    return !asking_failed_;
}

void Win32FolderWatch::stop() {
    if (worker_.joinable()) {
        SetEvent(stopping_.get());
        worker_.join();
    }
    folder_.close();
    stopping_.close();
    listener_ = nullptr;
    const std::lock_guard lock(mutex_);
    pending_ = {};
}

void Win32FolderWatch::run(HANDLE asked) {
    std::vector<DWORD> buffer(kBufferBytes / sizeof(DWORD));
    win32::Handle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    for (;;) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = done.get();
        ResetEvent(done.get());
        const BOOL reading = ReadDirectoryChangesW(folder_.get(), buffer.data(), kBufferBytes, FALSE, kWhat, nullptr,
                                                   &overlapped, nullptr);
        if (asked != nullptr) {
            asking_failed_ = !reading;
            SetEvent(std::exchange(asked, nullptr));
            if (!reading) return;
        }
        // The folder removed, its drive gone, or the system refusing to go on: the watch ends, and
        // the program is told so that it reads the folder again and watches it anew.
        if (!reading) {
            post({{}, true});
            return;
        }
        const HANDLE waits[] = {done.get(), stopping_.get()};
        DWORD got = 0;
        const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        if (woke != WAIT_OBJECT_0 || !GetOverlappedResult(folder_.get(), &overlapped, &got, FALSE)) {
            CancelIo(folder_.get());
            GetOverlappedResult(folder_.get(), &overlapped, &got, TRUE);
            if (woke == WAIT_OBJECT_0) post({{}, true});
            return;
        }
        FolderChanges changes;
        // Nothing read: more changed than the buffer holds.
        changes.lost_track = got == 0;
        const auto* bytes = reinterpret_cast<const char*>(buffer.data());
        for (DWORD at = 0; got > 0;) {
            const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(bytes + at);
            changes.names.push_back(win32::narrow({info->FileName, info->FileNameLength / sizeof(wchar_t)}));
            if (info->NextEntryOffset == 0) break;
            at += info->NextEntryOffset;
        }
        post(changes);
    }
}

void Win32FolderWatch::post(const FolderChanges& changes) {
    const std::lock_guard lock(mutex_);
    const bool was_empty = pending_.names.empty() && !pending_.lost_track;
    pending_.lost_track |= changes.lost_track;
    pending_.names.insert(pending_.names.end(), changes.names.begin(), changes.names.end());
    if (was_empty) PostMessageW(window_, kChanged, 0, 0);
}

void Win32FolderWatch::deliver() {
    FolderChanges changes;
    {
        const std::lock_guard lock(mutex_);
        changes = std::exchange(pending_, {});
    }
    if (!listener_ || (!changes.lost_track && changes.names.empty())) return;
    if (windows_ != nullptr)
        windows_->dispatch([&] { listener_(changes); });
    else
        listener_(changes);
}

LRESULT CALLBACK Win32FolderWatch::window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == kChanged) {
        if (auto* self = reinterpret_cast<Win32FolderWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA))) self->deliver();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace vis
