#include "wine_prefix.h"

#include <cstdlib>
#include <filesystem>

#include "services/paths.h"

namespace vis::test {

namespace {

void set_env(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
}

}  // namespace

ScopedEnv::ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    set_env(name_, value);
}

ScopedEnv::~ScopedEnv() {
    set_env(name_, old_);
}

std::string make_wine_prefix(const std::string& prefix) {
    namespace fs = std::filesystem;
    const std::string drive_c = join_path(prefix, "drive_c");
    fs::create_directories(to_fs_path(drive_c));
    fs::create_directories(to_fs_path(join_path(prefix, "dosdevices")));
    fs::create_directory_symlink("../drive_c", to_fs_path(join_path(join_path(prefix, "dosdevices"), "c:")));
    return drive_c;
}

}  // namespace vis::test
