#pragma once
// Named moments of the program's start (window system ready, splash shown, list read, ...), for a
// start probe that times where the start goes. The program itself keeps and prints nothing.
#include <string_view>

namespace vis {

using StartMarkSink = void (*)(std::string_view step);

// Where marks go from now on; nullptr (the program's own run) drops them.
void set_start_mark_sink(StartMarkSink sink);
void start_mark(std::string_view step);

}  // namespace vis
