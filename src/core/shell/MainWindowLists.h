#pragma once
// The items of the main window's function-settings lists in a language: the
// texts the window is designed with, with the language-dependent entries of
// the caption tables put in their places.

#include <QString>
#include <QStringList>

namespace q716 {

// A language code that selects the texts the windows are designed with.
constexpr int DesignLanguage = -1;

// Items of Combo2, Combo3, Combo4, Combo6, Combo7, Combo9, Combo11, Combo12 or
// Combo13 of the main window; empty for any other control.
QStringList mainWindowListItems(const QString& control, int languageCode);

} // namespace q716
