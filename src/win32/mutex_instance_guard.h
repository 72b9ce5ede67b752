#pragma once
// One running copy per program folder, through a named mutex: the system releases it when the
// copy ends, even by a crash, so a lock is never left behind.
#include <optional>
#include <string>

#include "services/instance_guard.h"

namespace vis::win32 {

class MutexInstanceGuard : public InstanceGuard {
public:
    explicit MutexInstanceGuard(const std::string& program_folder);
    ~MutexInstanceGuard() override;
    MutexInstanceGuard(const MutexInstanceGuard&) = delete;
    MutexInstanceGuard& operator=(const MutexInstanceGuard&) = delete;

    bool another_instance_running() override;
    // The mutex's name for a program folder: the same for any spelling of the folder's case.
    static std::wstring mutex_name(const std::string& program_folder);

private:
    std::wstring name_;
    void* mutex_ = nullptr;
    std::optional<bool> another_;
};

}  // namespace vis::win32
