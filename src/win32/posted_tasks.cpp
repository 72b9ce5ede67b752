#include "win32/posted_tasks.h"

#include <utility>

namespace vis::win32 {

namespace {

constexpr UINT kPosted = WM_APP + 28;
constexpr wchar_t kClass[] = L"VistellePostedTasks";

}  // namespace

PostedTasks::PostedTasks(std::function<void(const std::function<void()>&)> run) : run_(std::move(run)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);  // fails harmlessly when registered before
    window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PostedTasks::~PostedTasks() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void PostedTasks::post(std::function<void()> task) {
    const std::lock_guard lock(mutex_);
    const bool was_empty = waiting_.empty();
    waiting_.push_back(std::move(task));
    // One message wakes the loop for every task queued until it runs them.
    if (was_empty && window_ != nullptr) PostMessageW(window_, kPosted, 0, 0);
}

void PostedTasks::run_waiting() {
    std::vector<std::function<void()>> now;
    {
        const std::lock_guard lock(mutex_);
        now.swap(waiting_);
    }
    for (const auto& task : now) run_(task);
}

LRESULT CALLBACK PostedTasks::window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == kPosted) {
        if (auto* self = reinterpret_cast<PostedTasks*>(GetWindowLongPtrW(window, GWLP_USERDATA))) self->run_waiting();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace vis::win32
