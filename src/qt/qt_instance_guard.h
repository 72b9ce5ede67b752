#pragma once
#include <memory>
#include <optional>
#include <string>

#include "services/instance_guard.h"

class QLockFile;

namespace vis {

// A lock file in the temporary folder, named after the program folder: one running copy per
// program folder. A lock left by a process that died is taken over.
class QtInstanceGuard : public InstanceGuard {
public:
    explicit QtInstanceGuard(const std::string& program_folder);
    ~QtInstanceGuard() override;
    bool another_instance_running() override;

    // Where the lock of a program folder lies.
    static std::string lock_path(const std::string& program_folder);

private:
    std::unique_ptr<QLockFile> lock_;
    std::optional<bool> another_;
};

}  // namespace vis
