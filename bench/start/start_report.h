#pragma once
// What the start probes of both systems share: a timeline of the start from the probe's entry,
// and the moment the program has read and painted its screenshot list, reported on the program's
// own timer tick, with no polling of their own to skew it.
#include <functional>

namespace vis {
class WindowOwner;
}

namespace vis::bench {

// The process's memory as its system counts it: resident (Linux VmRSS, Windows' working set) and
// its own (Linux's resident anonymous pages, Windows' private bytes).
struct ProcessMemory {
    long resident_kb = -1;
    long private_kb = -1;
};

// Starts the timeline: the program's marks are kept, timed from now.
void begin_timeline();

// Once the main window has run its start-up step (with `album`, once the album window has then
// listed the folder too) and painted what is shown, prints the lines listed, the resident memory
// and the timeline, and ends the process at once: how long a program takes to close is no part of
// its start.
void report_when_started(WindowOwner& windows, bool album, std::function<ProcessMemory()> memory);

// Once the main window has started and painted, weighs the process with the main window alone,
// opens the thumbnail window from the menu, holds Page Down to the last screenshot, waits until no
// picture is being decoded, and weighs it again; prints both and their difference, and ends the
// process.
void report_thumbnails_memory(WindowOwner& windows, std::function<ProcessMemory()> memory);

}  // namespace vis::bench
