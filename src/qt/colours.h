#pragma once
// The program's colour values on Qt widgets.
#include <QColor>
#include <QPalette>

#include "ui/colour.h"

class QWidget;

namespace vis {

inline QColor to_qcolor(Colour c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

// Sets one palette role of a widget; kDefaultColour gives the role back its standard colour.
void set_colour_role(QWidget& widget, QPalette::ColorRole role, Colour colour);

}  // namespace vis
