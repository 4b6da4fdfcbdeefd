#pragma once
// Web pages and the manual open in the platform's browser; tests see the
// address instead.

#include <QUrl>
#include <functional>

namespace q716 {

using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

// Asks the desktop to open `url`; a missing browser is not reported.
void openUrl(const QUrl& url);

} // namespace q716
