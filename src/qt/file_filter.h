#pragma once
// The program's file-dialog filter text and default extension, as Qt's file dialog needs them.
#include <QStringList>
#include <string>

namespace vis {

// "desc|pattern|desc|pattern" (patterns joined by ";") -> {"desc (pattern pattern)", ...}.
QStringList to_name_filters(const std::string& filter);
// Adds `extension` (".jpg" or "jpg") when the path's file name has none.
std::string with_default_extension(const std::string& path, const std::string& extension);

}  // namespace vis
