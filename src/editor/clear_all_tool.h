#pragma once
// Clear all: the canvas shows the screenshot as opened again, without any stroke, fill, text or
// effect. The selection and the other overlays stay as they are.
#include "editor/canvas.h"

namespace vis {

void clear_all(Canvas& canvas);

}  // namespace vis
