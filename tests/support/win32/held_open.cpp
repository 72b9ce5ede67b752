#include "support/held_open.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win32/wide.h"

namespace vis::test {

HeldOpen::HeldOpen(std::string path) : path_(std::move(path)) {
    handle_ = CreateFileW(win32::long_path(path_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "could not hold " << path_;
}

HeldOpen::~HeldOpen() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

}  // namespace vis::test
