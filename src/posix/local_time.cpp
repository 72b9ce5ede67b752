#include "services/local_time.h"

namespace vis {

bool to_local_time(std::time_t t, std::tm& local) {
    return localtime_r(&t, &local) != nullptr;
}

}  // namespace vis
