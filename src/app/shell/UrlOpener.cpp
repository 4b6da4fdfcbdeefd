#include "shell/UrlOpener.h"

#include "shell/InstallLayout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace q716 {

namespace {
UrlOpener g_opener;
}

void setUrlOpener(UrlOpener opener) {
    g_opener = std::move(opener);
}

bool openUrl(const QUrl& url) {
    return g_opener ? g_opener(url) : QDesktopServices::openUrl(url);
}

QUrl manualUrl(int languageCode) {
    const QDir programDir(QCoreApplication::applicationDirPath());
#ifdef Q_OS_WIN
    const QString chm = programDir.filePath(QStringLiteral("Q716A.CHM"));
    if (QFileInfo::exists(chm))
        return QUrl::fromLocalFile(chm);
#endif
    return QUrl::fromLocalFile(manualPathFor(programDir.path(), languageCode));
}

} // namespace q716
