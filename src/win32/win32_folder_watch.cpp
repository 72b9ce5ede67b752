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
// Of the folder holding the watched one, only folders coming and going matter.
constexpr DWORD kParentWhat = FILE_NOTIFY_CHANGE_DIR_NAME;

win32::Handle open_folder(const std::wstring& path) {
    return win32::Handle(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
}

// "\\?\C:\game\Screen Save" is "\\?\C:\game" and "Screen Save"; a drive's root has no parent.
bool split_leaf(std::wstring path, std::wstring& parent, std::wstring& leaf) {
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    const std::size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos || cut + 1 >= path.size() || path.find(L':', cut) != std::wstring::npos) return false;
    leaf = path.substr(cut + 1);
    parent = path.substr(0, cut);
    // "\\?\C:" names the drive, not its root folder.
    if (!parent.empty() && parent.back() == L':') parent += L'\\';
    return true;
}

// One request for a folder's changes, out until its answer is read; one still out when the request
// goes is cancelled, and waited for, since the system writes into its buffer until then.
class ChangeRequest {
public:
    ChangeRequest(HANDLE folder, DWORD what)
        : folder_(folder),
          what_(what),
          buffer_(kBufferBytes / sizeof(DWORD)),
          done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~ChangeRequest() {
        if (!out_) return;
        CancelIoEx(folder_, &overlapped_);
        DWORD got = 0;
        GetOverlappedResult(folder_, &overlapped_, &got, TRUE);
    }
    ChangeRequest(const ChangeRequest&) = delete;
    ChangeRequest& operator=(const ChangeRequest&) = delete;

    bool ask() {
        overlapped_ = {};
        overlapped_.hEvent = done_.get();
        ResetEvent(done_.get());
        out_ = ReadDirectoryChangesW(folder_, buffer_.data(), kBufferBytes, FALSE, what_, nullptr, &overlapped_,
                                     nullptr) != FALSE;
        return out_;
    }
    bool out() const { return out_; }
    HANDLE done() const { return done_.get(); }
    // Once done() is set: false when the system ended the request instead of answering it.
    bool answer(DWORD& got) {
        out_ = false;
        return GetOverlappedResult(folder_, &overlapped_, &got, FALSE) != FALSE;
    }
    const char* bytes() const { return reinterpret_cast<const char*>(buffer_.data()); }

private:
    HANDLE folder_;
    DWORD what_;
    std::vector<DWORD> buffer_;
    win32::Handle done_;
    OVERLAPPED overlapped_{};
    bool out_ = false;
};

// Whether the changes in the parent folder take the watched folder away: removed, or renamed or
// moved elsewhere. A change the buffer could not hold (`got` 0) may have: the folder is looked for.
bool folder_gone(const char* bytes, DWORD got, const std::wstring& leaf, const std::wstring& path) {
    if (got == 0) return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    for (DWORD at = 0;;) {
        const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(bytes + at);
        const int length = static_cast<int>(info->FileNameLength / sizeof(wchar_t));
        if ((info->Action == FILE_ACTION_REMOVED || info->Action == FILE_ACTION_RENAMED_OLD_NAME) &&
            CompareStringOrdinal(info->FileName, length, leaf.c_str(), static_cast<int>(leaf.size()), TRUE) ==
                CSTR_EQUAL)
            return true;
        if (info->NextEntryOffset == 0) return false;
        at += info->NextEntryOffset;
    }
}

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
    folder_ = open_folder(path);
    path_ = path;
    // A watch on Windows follows its folder when it is moved and hears nothing when it is removed:
    // the folder holding it tells of both.
    if (std::wstring parent; split_leaf(path, parent, leaf_)) parent_ = open_folder(parent);
    stopping_ = win32::Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const win32::Handle asking(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!folder_.valid() || !stopping_.valid() || !asking.valid()) {
        folder_.close();
        parent_.close();
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
    parent_.close();
    stopping_.close();
    listener_ = nullptr;
    const std::lock_guard lock(mutex_);
    pending_ = {};
}

void Win32FolderWatch::run(HANDLE asked) {
    ChangeRequest own(folder_.get(), kWhat);
    ChangeRequest above(parent_.get(), kParentWhat);
    // Without the parent's word the watch still hears its own folder.
    bool asking_above = parent_.valid();
    for (;;) {
        const bool reading = own.out() || own.ask();
        if (asking_above && !above.out()) asking_above = above.ask();
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
        const HANDLE waits[] = {own.done(), stopping_.get(), above.done()};
        const DWORD woke = WaitForMultipleObjects(asking_above ? 3 : 2, waits, FALSE, INFINITE);
        DWORD got = 0;
        if (woke == WAIT_OBJECT_0 + 2) {
            if (!above.answer(got))
                asking_above = false;
            else if (folder_gone(above.bytes(), got, leaf_, path_)) {
                post({{}, true});
                return;
            }
            continue;
        }
        if (woke != WAIT_OBJECT_0) return;
        if (!own.answer(got)) {
            post({{}, true});
            return;
        }
        FolderChanges changes;
        // Nothing read: more changed than the buffer holds.
        changes.lost_track = got == 0;
        for (DWORD at = 0; got > 0;) {
            const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(own.bytes() + at);
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
