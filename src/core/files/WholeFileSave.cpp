#include "files/WholeFileSave.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace q716 {

bool saveWholeFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    // QSaveFile keeps small writes in its buffer, and commit() puts the file
    // in place even when writing that buffer out fails (disk full, file size
    // limit), leaving a cut file under the name: write it out and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool canSaveWholeFile(const QString& path, QString& reason) {
    const QFileInfo target(path);
    if (target.isDir()) {
        reason = QStringLiteral("%1 is a folder").arg(path);
        return false;
    }
    if (target.exists() && !target.isWritable()) {
        reason = QStringLiteral("%1 is not writable").arg(path);
        return false;
    }
    // The new file is written beside the old one, then takes its name.
    QTemporaryFile beside(target.absoluteFilePath());
    if (!beside.open()) {
        reason = beside.errorString();
        return false;
    }
    return true;
}

} // namespace q716
