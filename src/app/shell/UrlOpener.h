#pragma once
// Web pages and the manual open in the platform's browser; tests see the
// address instead.

#include <QUrl>
#include <functional>

namespace q716 {

using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

// Asks the desktop to open `url`; false when nothing could open it (no
// browser or file manager), for callers that then say so.
bool openUrl(const QUrl& url);

// The manual that travels with the program, in the language of
// `languageCode` (manual.zh.html for Chinese, manual.html otherwise):
// docs/ beside the program, else the installed one in <prefix>/share/doc/q716,
// or on Windows a compiled help file Q716A.CHM beside the program when one is
// installed. Help, the rights line and the about box all open this one.
QUrl manualUrl(int languageCode);

} // namespace q716
