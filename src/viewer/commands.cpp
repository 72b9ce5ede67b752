#include "core/form1.h"

namespace vis {

void Form1::save_as() {}
void Form1::copy_to_clipboard() {}
void Form1::mImgInfo_Click() {}
void Form1::mInfo_F_Click() {}
void Form1::mClose_F_Click() {}

}  // namespace vis
