#include "qt/file_filter.h"

namespace vis {

QStringList to_name_filters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        if (patterns.isEmpty()) continue;
        const QString description = parts[i].trimmed().isEmpty() ? patterns.join(QLatin1Char(' ')) : parts[i];
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

std::string with_default_extension(const std::string& path, const std::string& extension) {
    if (path.empty() || extension.empty()) return path;
    const auto slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return path;
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0 && dot + 1 < name.size()) return path;
    const std::string bare = extension.front() == '.' ? extension.substr(1) : extension;
    if (dot != std::string::npos && dot + 1 == name.size()) return path + bare;
    return path + "." + bare;
}

}  // namespace vis
