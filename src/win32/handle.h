#pragma once
// A kernel handle closed when it goes out of scope, so no early return leaks one.
#include <windows.h>

namespace vis::win32 {

class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : h_(other.h_) { other.h_ = nullptr; }
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            close();
            h_ = other.h_;
            other.h_ = nullptr;
        }
        return *this;
    }

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    // Closes now; false when the system reports a failure (a delayed write error, among others).
    bool close() {
        const bool ok = !valid() || CloseHandle(h_);
        h_ = nullptr;
        return ok;
    }

private:
    HANDLE h_;
};

}  // namespace vis::win32
