#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/picture_image.h"

namespace vis {

bool QtClipboard::set_picture(const Picture& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QImage image = wrap_picture(picture);
    if (clipboard == nullptr || image.isNull()) return false;
    // The clipboard keeps its own copy: the picture may be gone before someone pastes.
    clipboard->setImage(image.copy());
    return true;
}

}  // namespace vis
