#pragma once
// Every text the program can show, gathered from the core the way the windows
// get them, so the manuals can be checked against it: the captions (menus,
// labels, buttons, list items, headings) and every message, status line, tool
// tip and report line. Variable parts of a message read "…", the way the
// manuals quote them.

#include <QString>
#include <QStringList>
#include <vector>

namespace q716test {

// How a text reaches the user.
enum class TextKind {
    MessageBox, // a message box
    Status,     // the main window's status line
    PortTip,    // the tool tip of a port that cannot be opened
    Note,       // a note in a dialog
    ReportLine, // a line of the CSV import report
    Fragment    // a part of another text (field names, titles, line prefixes)
};

struct ProgramText {
    TextKind kind;
    QString text;
};

// Whitespace runs become one blank, none at either end.
QString normalizedText(const QString& text);

// A caption as the window shows it: "&X" is the underlined X, "&&" an "&".
QString shownCaption(const QString& caption);

// The captions of the windows in `languageCode` (0 Chinese, 1 English) as
// shown, plus those every language shows alike (toolbar captions, the DTMF
// group, fixed list items, button texts of message boxes, port names, tones).
QStringList shownCaptions(int languageCode);

// The menu entries of the main window as shown in `languageCode`.
QStringList menuCaptions(int languageCode);

// Every message, status text, tool tip, note and report line the program
// shows in `languageCode`, normalized, with "…" for variable parts.
std::vector<ProgramText> programMessages(int languageCode);

} // namespace q716test
