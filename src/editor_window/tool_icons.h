#pragma once
// The editor's tool pictures (data/), 16 x 16 pixels each. Each puts its tip in its top-left
// corner, where the tool acts (see drawing_offset).
#include "ui/control.h"

namespace vis {

inline const Icon kSelectIcon{"tool_select.png", 16, 16};
inline const Icon kPencilIcon{"tool_pencil.png", 16, 16};
inline const Icon kLineIcon{"tool_line.png", 16, 16};
inline const Icon kFillIcon{"tool_fill.png", 16, 16};
inline const Icon kTextIcon{"tool_text.png", 16, 16};

}  // namespace vis
