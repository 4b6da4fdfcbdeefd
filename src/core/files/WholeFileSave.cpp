#include "files/WholeFileSave.h"

#include <QSaveFile>

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

} // namespace q716
