#pragma once
// Local date and time as the system keeps them: its zone and the summer time rules of each date.
#include <ctime>

namespace vis {

// The local time of a moment; false when the system cannot convert it.
bool to_local_time(std::time_t t, std::tm& local);

}  // namespace vis
