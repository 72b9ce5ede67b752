#pragma once
// A file offered to other programs as the desktop's file managers offer one: its address in
// text/uri-list and their copied-files type saying "copy", and nothing else.
#include <QMimeData>
#include <memory>
#include <string>

namespace vis {

inline constexpr const char* kCopiedFilesType = "x-special/gnome-copied-files";

std::unique_ptr<QMimeData> file_mime_data(const std::string& path);

}  // namespace vis
