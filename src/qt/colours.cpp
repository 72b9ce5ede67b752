#include "qt/colours.h"

#include <QApplication>
#include <QWidget>

namespace vis {

void set_colour_role(QWidget& widget, QPalette::ColorRole role, Colour colour) {
    QPalette palette = widget.palette();
    const QColor wanted = colour == kDefaultColour ? QApplication::palette(&widget).color(role) : to_qcolor(colour);
    if (palette.color(role) == wanted) return;
    palette.setColor(role, wanted);
    widget.setPalette(palette);
}

}  // namespace vis
