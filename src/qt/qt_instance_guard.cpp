#include "qt/qt_instance_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vis {

std::string QtInstanceGuard::lock_path(const std::string& program_folder) {
    const QString folder = QFileInfo(QString::fromStdString(program_folder)).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("vistelle-%1.lock").arg(QString::fromLatin1(hash)))
        .toStdString();
}

QtInstanceGuard::QtInstanceGuard(const std::string& program_folder)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString(lock_path(program_folder)))) {
    // Only a lock whose process is gone counts as stale, however long the first copy has run.
    lock_->setStaleLockTime(0);
}

QtInstanceGuard::~QtInstanceGuard() = default;

bool QtInstanceGuard::another_instance_running() {
    if (!another_) {
        const bool locked = lock_->tryLock(0);
        // A temporary folder we cannot write to says nothing about other copies: run.
        another_ = !locked && lock_->error() == QLockFile::LockFailedError;
    }
    return *another_;
}

}  // namespace vis
