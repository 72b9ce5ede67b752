#include "editor/clear_all_tool.h"

namespace vis {

void clear_all(Canvas& canvas) {
    canvas.clear();
}

}  // namespace vis
