#include "win32/shortcut.h"

#include <windows.h>

#include <string>

namespace vis::win32 {

namespace {

std::optional<unsigned short> key_of(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<unsigned short>(c);
        return std::nullopt;
    }
    if (name == "Del" || name == "Delete") return VK_DELETE;
    if (name == "Ins" || name == "Insert") return VK_INSERT;
    if (name == "Esc") return VK_ESCAPE;
    if (name == "Return" || name == "Enter") return VK_RETURN;
    if (name == "Space") return VK_SPACE;
    if (name == "Home") return VK_HOME;
    if (name == "End") return VK_END;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 24) return static_cast<unsigned short>(VK_F1 + n - 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> parse_shortcut(std::string_view text) {
    KeyChord chord;
    while (true) {
        const std::size_t plus = text.find('+', 1);
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = text.substr(0, plus);
        if (modifier == "Shift")
            chord.shift |= 1;
        else if (modifier == "Ctrl")
            chord.shift |= 2;
        else if (modifier == "Alt")
            chord.shift |= 4;
        else
            return std::nullopt;
        text.remove_prefix(plus + 1);
    }
    const std::optional<unsigned short> key = key_of(text);
    if (!key) return std::nullopt;
    chord.virtual_key = *key;
    return chord;
}

}  // namespace vis::win32
