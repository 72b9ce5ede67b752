#include "qt/file_mime.h"

#include <QFileInfo>
#include <QUrl>

namespace vis {

std::unique_ptr<QMimeData> file_mime_data(const std::string& path) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    auto data = std::make_unique<QMimeData>();
    data->setUrls({url});
    // File managers paste this as a copy; "cut" would have them move the screenshot away.
    data->setData(kCopiedFilesType, QByteArray("copy\n") + url.toEncoded());
    return data;
}

}  // namespace vis
