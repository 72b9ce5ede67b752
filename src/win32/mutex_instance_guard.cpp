#include "win32/mutex_instance_guard.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "win32/wide.h"

namespace vis::win32 {

MutexInstanceGuard::MutexInstanceGuard(const std::string& program_folder) : name_(mutex_name(program_folder)) {}

MutexInstanceGuard::~MutexInstanceGuard() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

std::wstring MutexInstanceGuard::mutex_name(const std::string& program_folder) {
    // Windows names ignore case, and a mutex name may hold no backslash: a hash of the folder.
    std::wstring folder = widen(program_folder);
    if (!folder.empty()) CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const wchar_t c : folder) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t text[17];
    std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return L"Local\\Vistelle-" + std::wstring(text);
}

bool MutexInstanceGuard::another_instance_running() {
    if (!another_) {
        mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
        // A mutex the system would not make says nothing about other copies: run.
        another_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return *another_;
}

}  // namespace vis::win32
