#include "platform/paths.h"

namespace vis {

const char kSep = '/';

}  // namespace vis
