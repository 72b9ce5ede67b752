#pragma once
// Tasks handed to the windows' thread from any thread: queued under a lock, and a message to a
// message-only window made on the windows' thread wakes its loop to run them.
#include <windows.h>

#include <functional>
#include <mutex>
#include <vector>

namespace vis::win32 {

class PostedTasks {
public:
    // `run` runs one task on the windows' thread.
    explicit PostedTasks(std::function<void(const std::function<void()>&)> run);
    ~PostedTasks();
    PostedTasks(const PostedTasks&) = delete;
    PostedTasks& operator=(const PostedTasks&) = delete;

    void post(std::function<void()> task);

private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w, LPARAM l);
    void run_waiting();

    std::function<void(const std::function<void()>&)> run_;
    HWND window_ = nullptr;
    std::mutex mutex_;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace vis::win32
