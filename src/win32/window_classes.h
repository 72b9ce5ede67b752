#pragma once
// The program's own window classes: forms, pictures, and panels that hold other controls.
#include <windows.h>

namespace vis::win32 {

inline constexpr const wchar_t* kFormClass = L"VistelleForm";
inline constexpr const wchar_t* kPictureClass = L"VistellePicture";
inline constexpr const wchar_t* kPanelClass = L"VistellePanel";

// Registers the classes once per process.
void register_window_classes();

// A panel or picture passes its children's notifications (commands, colours, owner drawing,
// scrolling) on to its form, which knows every control.
LRESULT CALLBACK child_host_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace vis::win32
