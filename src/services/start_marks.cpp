#include "services/start_marks.h"

namespace vis {

namespace {

StartMarkSink sink = nullptr;

}  // namespace

void set_start_mark_sink(StartMarkSink s) {
    sink = s;
}

void start_mark(std::string_view step) {
    if (sink != nullptr) sink(step);
}

}  // namespace vis
