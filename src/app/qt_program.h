#pragma once
// The program on the Qt backend and the SDL music: its windows wired to the real platform.
#include <functional>
#include <string>

namespace vis {

class WindowOwner;

// Runs the program from `folder` (its program folder) until it ends, asking `update_server`
// for the latest version. `started`, if given, is called once the main window has loaded.
int run_qt_program(const std::string& folder, const std::string& update_server,
                   const std::function<void(WindowOwner&)>& started = {});

}  // namespace vis
