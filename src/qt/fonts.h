#pragma once
// The program's fonts as Qt fonts. The windows ask for Windows' Japanese fonts by name; where
// they are missing an installed Japanese font stands in, so text never falls back to tofu boxes.
#include <QFont>
#include <QStringList>

#include "ui/font.h"

namespace vis {

// Registers the stand-ins once per process; harmless to call again.
void install_font_substitutes();
// The names the program asks for that have stand-ins.
QStringList substituted_font_names();
QFont to_qfont(const Font& font);

}  // namespace vis
