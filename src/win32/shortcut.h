#pragma once
// Portable shortcut texts ("Ctrl+S", "Shift+Del", "F1") as accelerator entries.
#include <optional>
#include <string_view>

namespace vis::win32 {

struct KeyChord {
    unsigned short virtual_key = 0;
    // Shift bits as the program's handlers get them: 1 Shift, 2 Ctrl, 4 Alt.
    int shift = 0;
    bool operator==(const KeyChord&) const = default;
};

// Nothing for a text that names no key this program uses.
std::optional<KeyChord> parse_shortcut(std::string_view text);

}  // namespace vis::win32
