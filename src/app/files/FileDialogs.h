#pragma once
// The open and save dialogs of the channel file commands, behind a seam so
// tests can answer them like a user.

#include <QString>
#include <functional>

class QWidget;

namespace q716 {

enum class FileDialogKind { Open, Save };

// Returns the chosen file name, or an empty text for Cancel.
using FileDialogAnswerer = std::function<QString(FileDialogKind kind, const QString& filter)>;
void setFileDialogAnswerer(FileDialogAnswerer answerer);

// The filter: the application title followed by "(*.DAT)".
QString channelFileFilter();

// `start`: the file the dialog shows first (the one the editor holds).
QString chooseChannelFileToOpen(QWidget* parent, const QString& start = {});
// Qt does not ask about overwriting; the Save command asks itself. A name
// chosen without a suffix gets ".DAT".
QString chooseChannelFileToSave(QWidget* parent, const QString& start = {});
// Any other file to save (a text file), with its own filter; no overwrite question.
QString chooseFileToSave(QWidget* parent, const QString& filter);

// The CSV channel lists and the printable sheet: the same seam, told apart by
// their filters. Save dialogs add the filter's suffix to a name typed without
// one and ask Qt's own overwrite question about the name with it.
QString csvFileFilter();
QString pdfFileFilter();
QString chooseFile(QWidget* parent, FileDialogKind kind, const QString& filter);

} // namespace q716
