#include "core/form1.h"

namespace vis {

void Form1::start_bgm() {}
void Form1::change_bgm() {}
void Form1::music_tick() {}
void Form1::mBGMPlay_Click() {}
void Form1::mBGM_change_Click() {}

}  // namespace vis
