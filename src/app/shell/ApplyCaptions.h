#pragma once
// Writes the caption tables into the windows: each entry reaches the child
// of its window that carries the entry's objectName.

#include "shell/CaptionTables.h"

#include <QList>

class QObject;
class QWidget;

namespace q716 {

// The control of `window` with this objectName (and control-array index);
// controls of the dialogs it owns are not its own.
QObject* findWindowControl(QWidget* window, const QString& name, int arrayIndex = -1);

// One window's entries in the texts of `languageCode`; codes other than 0
// and 1 change nothing.
void applyWindowCaptions(QWidget* window, const WindowCaptions& table, int languageCode);

// One window's entries in the texts it is designed with.
void applyDesignCaptions(QWidget* window, const WindowCaptions& table);

// Every table in its order, each to the window of its name among `windows`.
void applyAllCaptions(const QList<QWidget*>& windows, int languageCode);

} // namespace q716
