#pragma once
// The folder watch of Windows: ReadDirectoryChangesW names every file that changed. A worker
// waits for the changes and posts them to a message-only window, so they reach the listener on
// the thread that made the watch, through its ordinary message loop.
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>

#include "services/folder_watch.h"
#include "win32/handle.h"

namespace vis {

namespace win32 {
class Win32WindowSystem;
}

class Win32FolderWatch : public FolderWatch {
public:
    // With `windows`, changes reach the listener as an event of theirs, which then renders what
    // they changed (a timer the listener started runs); without, they reach it directly.
    explicit Win32FolderWatch(win32::Win32WindowSystem* windows = nullptr);
    ~Win32FolderWatch() override;
    Win32FolderWatch(const Win32FolderWatch&) = delete;
    Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

    bool watch(const std::string& folder, Listener listener) override;
    void stop() override;

private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w, LPARAM l);
    // Sets `asked` once its first request for changes is made.
    void run(HANDLE asked);
    // From the worker: changes for the listener, told on the window's thread.
    void post(const FolderChanges& changes);
    void deliver();

    win32::Win32WindowSystem* windows_;
    HWND window_ = nullptr;
    win32::Handle folder_;
    // The folder holding the watched one, which tells when the watched one goes; none for a root.
    win32::Handle parent_;
    std::wstring path_;
    std::wstring leaf_;
    win32::Handle stopping_;
    std::thread worker_;
    // The worker's first request failed; written before it sets `asked`.
    bool asking_failed_ = false;
    std::mutex mutex_;
    FolderChanges pending_;
    Listener listener_;
};

}  // namespace vis
