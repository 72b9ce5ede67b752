#include "win32/file_time.h"

#include <cstdint>
#include <limits>

namespace vis::win32 {

namespace {

// 100-nanosecond steps from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochOffset = 116444736000000000;
constexpr std::int64_t kTicksPerSecond = 10000000;

}  // namespace

std::time_t to_time_t(FILETIME ft) {
    const auto ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    const std::int64_t since_epoch = ticks - kEpochOffset;
    return static_cast<std::time_t>(since_epoch / kTicksPerSecond - (since_epoch % kTicksPerSecond < 0 ? 1 : 0));
}

std::optional<FILETIME> to_file_time(std::time_t t) {
    const std::int64_t seconds = t;
    if (seconds < -kEpochOffset / kTicksPerSecond ||
        seconds > (std::numeric_limits<std::int64_t>::max() - kEpochOffset) / kTicksPerSecond)
        return std::nullopt;
    const auto ticks = static_cast<std::uint64_t>(seconds * kTicksPerSecond + kEpochOffset);
    return FILETIME{static_cast<DWORD>(ticks & 0xffffffffu), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace vis::win32
