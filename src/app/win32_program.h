#pragma once
// The program on the Win32 backend: its windows wired to the Windows services.
#include <string>

namespace vis {

// Runs the program from `folder` (its program folder) until it ends.
int run_win32_program(const std::string& folder, const std::string& update_server);

}  // namespace vis
