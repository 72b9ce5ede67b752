#pragma once
// A made-up Wine prefix and the environment variables that point at it.
#include <optional>
#include <string>

namespace vis::test {

// Sets an environment variable (or unsets it, given nothing) until the end of the scope, then puts
// back what was there before.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A prefix at `prefix` as Wine lays it out: drive_c and the link dosdevices/c: -> ../drive_c.
// Returns the drive_c folder.
std::string make_wine_prefix(const std::string& prefix);

}  // namespace vis::test
