// Shortcut texts of the menus as the keys the accelerators listen for.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/shortcut.h"

namespace vis::win32 {
namespace {

TEST(Shortcut, TheProgramsShortcutsBecomeTheirKeys) {
    struct Case {
        const char* text;
        KeyChord chord;
    };
    const Case cases[] = {
        {"Ctrl+S", {'S', 2}},   {"Ctrl+C", {'C', 2}},       {"Shift+Del", {VK_DELETE, 1}},
        {"F1", {VK_F1, 0}},     {"Delete", {VK_DELETE, 0}}, {"Ctrl+Shift+Z", {'Z', 3}},
        {"Alt+F4", {VK_F4, 4}}, {"F12", {VK_F12, 0}},       {"Ctrl+0", {'0', 2}},
    };
    for (const Case& c : cases) {
        const auto chord = parse_shortcut(c.text);
        ASSERT_TRUE(chord.has_value()) << c.text;
        EXPECT_EQ(*chord, c.chord) << c.text;
    }
}

TEST(Shortcut, TextsNamingNoKeyGiveNone) {
    for (const char* text : {"", "Ctrl+", "Hyper+S", "F0", "F25", "Fx", "s", "Ctrl+Ctrl", "+"})
        EXPECT_FALSE(parse_shortcut(text).has_value()) << text;
}

}  // namespace
}  // namespace vis::win32
