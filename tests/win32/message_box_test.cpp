// Message boxes on Windows: the program's buttons, icons and defaults as the system's styles, and a
// box seen and answered with its owner minimised or once the program ends. (What a box shows and
// answers on both systems is in tests/backend.)
#include <gtest/gtest.h>

#include <windows.h>
#undef MessageBox

#include <atomic>
#include <thread>

#include "ui/form.h"
#include "win32/form_window.h"
#include "win32/message_box_style.h"
#include "win32/wide.h"
#include "win32/win32_prompts.h"
#include "win32/win32_window_system.h"

namespace vis::win32 {
namespace {

TEST(MessageBoxStyle, ButtonsIconsAndDefaults) {
    struct Case {
        MsgButtons buttons;
        MsgIcon icon;
        int default_button;
        unsigned expected;
    };
    const Case cases[] = {
        {MsgButtons::ok, MsgIcon::none, 0, MB_OK | MB_DEFBUTTON1},
        {MsgButtons::yes_no, MsgIcon::question, 1, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
        {MsgButtons::yes_no_cancel, MsgIcon::exclamation, 2, MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3},
        {MsgButtons::ok_cancel, MsgIcon::critical, 1, MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2},
        {MsgButtons::ok, MsgIcon::information, 0, MB_OK | MB_ICONINFORMATION | MB_DEFBUTTON1},
        // A default beyond the buttons falls back to the first, never to a button not shown.
        {MsgButtons::yes_no, MsgIcon::none, 2, MB_YESNO | MB_DEFBUTTON1},
        {MsgButtons::ok, MsgIcon::none, -1, MB_OK | MB_DEFBUTTON1},
    };
    for (const Case& c : cases) {
        MessageBox box;
        box.buttons = c.buttons;
        box.icon = c.icon;
        box.default_button = c.default_button;
        EXPECT_EQ(message_box_style(box) & ~static_cast<unsigned>(MB_SETFOREGROUND), c.expected)
            << static_cast<int>(c.buttons) << " " << c.default_button;
    }
}

TEST(MessageBoxStyle, EscapeAndNoAnswerTakeTheSafeWayOut) {
    EXPECT_EQ(message_box_result(IDYES, MsgButtons::yes_no), MsgResult::yes);
    EXPECT_EQ(message_box_result(IDNO, MsgButtons::yes_no_cancel), MsgResult::no);
    EXPECT_EQ(message_box_result(IDCANCEL, MsgButtons::yes_no_cancel), MsgResult::cancel);
    EXPECT_EQ(message_box_result(IDCANCEL, MsgButtons::yes_no), MsgResult::no);
    EXPECT_EQ(message_box_result(IDCANCEL, MsgButtons::ok), MsgResult::ok);
    EXPECT_EQ(message_box_result(0, MsgButtons::yes_no), MsgResult::no);
    EXPECT_EQ(message_box_result(0, MsgButtons::ok_cancel), MsgResult::cancel);
}

// The whole literal, its NULs included (but not the one ending it).
template <std::size_t N>
std::wstring with_nuls(const wchar_t (&text)[N]) {
    return std::wstring(text, N - 1);
}

TEST(FileFilter, PairsEndInNulAndAPatternlessDescriptionShowsEveryFile) {
    EXPECT_EQ(file_filter("スクリーンショット(*.jpg)|*.jpg"), with_nuls(L"スクリーンショット(*.jpg)\0*.jpg\0\0"));
    EXPECT_EQ(file_filter("A|*.a|B|*.b;*.c"), with_nuls(L"A\0*.a\0B\0*.b;*.c\0\0"));
    EXPECT_EQ(file_filter("All"), with_nuls(L"All\0*.*\0\0"));
    EXPECT_EQ(file_filter(""), std::wstring(2, L'\0'));
}

// Presses `button` in the message box titled `title` once it shows (with kEnter, Enter on the
// control that has the keyboard); what it read is kept.
class BoxAnswerer {
public:
    static constexpr int kEnter = -1;

    BoxAnswerer(std::wstring title, int button) {
        thread_ = std::thread([this, title = std::move(title), button] {
            for (int i = 0; i < 500 && !found_; ++i) {
                if (HWND box = FindWindowW(L"#32770", title.c_str())) {
                    wchar_t text[256] = {};
                    // The text is the box's static control with the identifier 0xFFFF.
                    GetDlgItemTextW(box, 0xFFFF, text, 256);
                    text_ = text;
                    const HWND owner = GetWindow(box, GW_OWNER);
                    on_screen_ = IsWindowVisible(box) && !IsIconic(box) && (owner == nullptr || !IsIconic(owner));
                    GetWindowRect(box, &rect_);
                    GUITHREADINFO thread{};
                    thread.cbSize = sizeof(thread);
                    const HWND keys =
                        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &thread) ? thread.hwndFocus : nullptr;
                    has_keyboard_ = keys != nullptr && (keys == box || IsChild(box, keys));
                    found_ = true;
                    if (button != kEnter || !has_keyboard_)
                        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button != kEnter ? button : IDCANCEL, BN_CLICKED), 0);
                    else
                        PostMessageW(keys, WM_KEYDOWN, VK_RETURN, 0);
                    return;
                }
                Sleep(10);
            }
        });
    }
    ~BoxAnswerer() { thread_.join(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    std::wstring text_;
    // Shown, and not hidden with a minimised owner; where; whether its control has the keys.
    bool on_screen_ = false;
    RECT rect_{};
    bool has_keyboard_ = false;
    std::atomic<bool> found_{false};

private:
    std::thread thread_;
};

// A window manager hides a box with its minimised owner (the editor while an effect runs, a
// window the player minimised during a long run): the box must still be seen and answered.
TEST(Win32Prompts, ABoxWhoseOwnerIsMinimisedShowsInFrontAndTakesEnter) {
    Win32WindowSystem windows(".");
    Win32Prompts prompts(windows, "Pelmar online - Vistelle");
    Form other(windows, "Other", "他");
    Form owner(windows, "Owner", "持ち主");
    for (Form* f : {&other, &owner}) {
        f->set_client_size(3000, 2000);
        f->show();
    }
    windows.render();
    const HWND minimised = windows.window_of(&owner)->hwnd();
    for (const bool only_one : {false, true}) {
        if (only_one) other.hide();
        windows.render();
        ShowWindow(minimised, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(minimised));
        MessageBox box;
        box.text = "完了(モノクロ)";
        box.owner = &owner;
        MsgResult result = MsgResult::no;
        RECT rect{};
        bool on_screen = false, has_keyboard = false;
        std::wstring text;
        {
            BoxAnswerer user(L"Pelmar online - Vistelle", BoxAnswerer::kEnter);
            result = prompts.message_box(box);
            text = user.text_;
            rect = user.rect_;
            on_screen = user.on_screen_;
            has_keyboard = user.has_keyboard_;
        }
        SCOPED_TRACE(only_one ? "no other window shown" : "another window shown");
        EXPECT_TRUE(on_screen);
        EXPECT_TRUE(has_keyboard);
        EXPECT_EQ(text, widen("完了(モノクロ)"));
        EXPECT_GT(rect.right - rect.left, 80);
        EXPECT_GT(rect.bottom - rect.top, 60);
        EXPECT_EQ(result, MsgResult::ok);
        ShowWindow(minimised, SW_RESTORE);
    }
}

TEST(Win32Prompts, NoBoxShowsOnceTheProgramEnds) {
    Win32WindowSystem windows(".");
    Win32Prompts prompts(windows, "t");
    windows.quit();
    MessageBox box;
    box.buttons = MsgButtons::yes_no;
    EXPECT_EQ(prompts.message_box(box), MsgResult::no);
    // The quit message left for the loop is not the next test's.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace
}  // namespace vis::win32
