#pragma once
// Writes the caption tables into the windows: each entry reaches the child
// of its window that carries the entry's objectName.

#include "shell/CaptionTables.h"

#include <QHash>
#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace q716 {

// The controls of a window by objectName, gathered in one walk that serves
// every entry of a table (a search per entry walks the whole window again).
// Controls of the dialogs the window owns are not its own.
class WindowControls {
  public:
    explicit WindowControls(const QWidget* window);
    // The control with this objectName (and control-array index), the first
    // findChildren() would give.
    QObject* find(const QString& name, int arrayIndex = -1) const;

  private:
    QHash<QString, QList<QObject*>> byName_;
};

// One window's entries in the texts of `languageCode`; codes other than 0
// and 1 change nothing.
void applyWindowCaptions(QWidget* window, const WindowCaptions& table, int languageCode);

// One window's entries in the texts it is designed with.
void applyDesignCaptions(QWidget* window, const WindowCaptions& table);

// Every table in its order, each to the window of its name among `windows`.
void applyAllCaptions(const QList<QWidget*>& windows, int languageCode);

} // namespace q716
