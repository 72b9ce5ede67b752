#pragma once
// What the start probes of both systems share: the moment the program has read its screenshot
// list, reported on the program's own timer tick, with no polling of their own to skew it.
#include <functional>

namespace vis {
class WindowOwner;
}

namespace vis::bench {

// Once the main window has run its start-up step (with `album`, once the album window has then
// listed the folder too), paints what is shown, prints the lines listed and `resident_kb()`, and
// ends the program.
void report_when_started(WindowOwner& windows, bool album, std::function<long()> resident_kb);

}  // namespace vis::bench
