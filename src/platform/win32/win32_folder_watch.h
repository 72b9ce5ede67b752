#pragma once
// The folder watch of Windows: ReadDirectoryChangesW names every file that changed. A worker
// waits for the changes and posts them to a message-only window, so they reach the listener on
// the thread that made the watch, through its ordinary message loop.
#include <windows.h>

#include <mutex>
#include <thread>

#include "platform/folder_watch.h"
#include "platform/win32/handle.h"

namespace vis {

class Win32FolderWatch : public FolderWatch {
public:
    Win32FolderWatch();
    ~Win32FolderWatch() override;
    Win32FolderWatch(const Win32FolderWatch&) = delete;
    Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

    bool watch(const std::string& folder, Listener listener) override;
    void stop() override;

private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w, LPARAM l);
    // Signals `armed` once the first read is under way: changes from then on are heard.
    void run(HANDLE armed);
    void deliver();

    HWND window_ = nullptr;
    win32::Handle folder_;
    win32::Handle stopping_;
    std::thread worker_;
    std::mutex mutex_;
    FolderChanges pending_;
    Listener listener_;
};

}  // namespace vis
