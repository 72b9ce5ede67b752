#include "support/held_open.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "services/paths.h"

namespace vis::test {

namespace {

std::filesystem::path aside(const std::string& path) {
    return to_fs_path(path + ".aside");
}

}  // namespace

HeldOpen::HeldOpen(std::string path) : path_(std::move(path)) {
    std::filesystem::rename(to_fs_path(path_), aside(path_));
    std::filesystem::create_directory(to_fs_path(path_));
}

HeldOpen::~HeldOpen() {
    std::error_code ec;
    std::filesystem::remove(to_fs_path(path_), ec);
    std::filesystem::rename(aside(path_), to_fs_path(path_), ec);
    EXPECT_FALSE(ec) << "the held file could not be put back: " << path_;
}

}  // namespace vis::test
