#pragma once
// The program's message boxes as MessageBoxW's styles and answers.
#include "ui/prompts.h"

namespace vis::win32 {

// Buttons, icon and default button (a default beyond the buttons falls back to the first).
unsigned message_box_style(const MessageBox& box);
// The answer for MessageBoxW's result; the safe way out when the box got none.
MsgResult message_box_result(int id, MsgButtons buttons);
// "desc|pattern|desc|pattern" as the file dialogs want it: pairs ended by NUL, then one more NUL.
std::wstring file_filter(const std::string& filter);

}  // namespace vis::win32
