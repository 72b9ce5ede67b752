#include "qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "qt/file_mime.h"
#include "qt/picture_image.h"

namespace vis {

bool QtClipboard::set_picture(const Picture& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QImage image = wrap_picture(picture);
    if (clipboard == nullptr || image.isNull()) return false;
    // The clipboard keeps its own copy: the picture may be gone before someone pastes.
    clipboard->setImage(image.copy());
    return true;
}

bool QtClipboard::set_file(const std::string& path) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || path.empty()) return false;
    // The clipboard takes the data over.
    clipboard->setMimeData(file_mime_data(path).release());
    return true;
}

}  // namespace vis
