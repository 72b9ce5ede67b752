#pragma once
// What the start probes of both systems share: a timeline of the start from the probe's entry,
// and the moment the program has read and painted its screenshot list, reported on the program's
// own timer tick, with no polling of their own to skew it.
#include <functional>

namespace vis {
class WindowOwner;
}

namespace vis::bench {

// Starts the timeline: the program's marks are kept, timed from now.
void begin_timeline();

// Once the main window has run its start-up step (with `album`, once the album window has then
// listed the folder too) and painted what is shown, prints the lines listed, `resident_kb()` and
// the timeline, and ends the process at once: how long a program takes to close is no part of
// its start.
void report_when_started(WindowOwner& windows, bool album, std::function<long()> resident_kb);

}  // namespace vis::bench
