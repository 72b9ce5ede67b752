#pragma once
// Tells the window owner how each of the program's windows is made, and runs the program on a
// backend's platform.
#include <functional>

#include "core/window_owner.h"

namespace vis {

void add_program_windows(WindowOwner& windows);

// Makes the program's windows on `platform` and starts the main window; `started`, if given, is
// called once it has loaded. Then runs `loop`, the backend's event loop, and returns its result.
int run_program(Platform& platform, const std::function<void(WindowOwner&)>& started, const std::function<int()>& loop);

}  // namespace vis
