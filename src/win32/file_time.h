#pragma once
// The system's file times (100-nanosecond steps since 1601, UTC) and seconds since 1970.
#include <windows.h>

#include <ctime>
#include <optional>

namespace vis::win32 {

// Whole seconds, rounded down also before 1970.
std::time_t to_time_t(FILETIME ft);
// Nothing when the moment lies outside what a file time can hold.
std::optional<FILETIME> to_file_time(std::time_t t);

}  // namespace vis::win32
