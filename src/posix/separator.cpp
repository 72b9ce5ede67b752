#include "services/paths.h"

namespace vis {

const char kSep = '/';

}  // namespace vis
