// The update server's answer: whatever a server, a proxy or a captive portal sends back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/app.h"
#include "settings_dialog/update_check.h"

namespace {

// "#.#0": an optional minus, digits, a point, exactly two digits.
bool formatted(const std::string& s) {
    std::size_t i = s.rfind('.');
    if (i == std::string::npos || s.size() - i != 3) return false;
    for (std::size_t j = 0; j < s.size(); ++j) {
        if (j == i) continue;
        if (j == 0 && s[j] == '-') continue;
        if (s[j] < '0' || s[j] > '9') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    const vis::UpdateCheck check = vis::read_version_answer(answer, vis::kVersion);
    if (check.status == vis::UpdateStatus::no_answer) {
        if (answer.find_first_not_of(" \t\r\n") != std::string::npos) std::abort();
        return 0;
    }
    // Only a number reaches the user, never the answer's other text.
    if (!formatted(check.shown)) std::abort();
    const double value = vis::version_value(answer);
    if (value != value) std::abort();  // NaN
    if ((check.status == vis::UpdateStatus::newer) != (value > vis::version_value(vis::kVersion))) std::abort();
    const std::string shown = vis::format_version(answer);
    if (shown != answer && !formatted(shown)) std::abort();
    return 0;
}
