#pragma once
// Tells the window owner how each of the program's windows is made.
#include "core/window_owner.h"

namespace vis {

void add_program_windows(Windows& windows);

}  // namespace vis
