#include "shell/UrlOpener.h"

#include <QDesktopServices>

namespace q716 {

namespace {
UrlOpener g_opener;
}

void setUrlOpener(UrlOpener opener) {
    g_opener = std::move(opener);
}

void openUrl(const QUrl& url) {
    if (g_opener)
        g_opener(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace q716
