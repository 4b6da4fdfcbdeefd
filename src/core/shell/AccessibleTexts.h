#pragma once
// What a screen reader says about the windows' controls, in both languages:
// the names of controls without a caption of their own, the caption that
// names a control standing beside it, descriptions of the rules a control
// follows, and the headings a table announces for its columns and rows.
// The windows apply these after the caption tables, on every language switch.

#include <QString>
#include <vector>

namespace q716 {

enum class AccessibleProperty {
    Name,        // the control's accessible name
    Description, // what the control takes and what its keys do
    LabelledBy,  // the control is named by the caption of the label `label`
    Heading,     // the announced heading of table column `index`
    RowHeading,  // the announced heading of every table row; %1 is its number
    EmptyCell,   // what an empty cell of the table announces
    Mnemonic     // the menu entry's access key, the letter in `zh` and `en`
};

struct AccessibleEntry {
    QString control; // objectName
    AccessibleProperty property = AccessibleProperty::Name;
    int index = 0;
    QString zh;
    QString en;
    QString label; // LabelledBy: objectName of the label
};

struct WindowAccessibleTexts {
    QString window; // objectName of the window
    std::vector<AccessibleEntry> entries;
};

const std::vector<WindowAccessibleTexts>& accessibleTables();
const WindowAccessibleTexts* accessibleTextsOf(const QString& window);

// The entry's text for a language code; English for every code but 0.
inline const QString& accessibleText(const AccessibleEntry& e, int languageCode) {
    return languageCode == 0 ? e.zh : e.en;
}

// The heading a screen reader announces for column `column` of `table` in
// `window`; empty when the table has none.
QString accessibleHeading(const QString& window, const QString& table, int column,
                          int languageCode);

// The name of the in-place editor of a channel cell: "信道 3 接收频率".
QString cellEditorName(int channel, int column, int languageCode);

// The access key of a menu entry in `window`'s table; none when it has none.
QChar menuMnemonic(const QString& window, const QString& control, int languageCode);

// A menu caption with its access key: in Chinese "(&K)" after the text and
// before a closing "…", in English "&" before the key's first letter in the
// caption. A caption that has an access key already is left as it is.
QString withMnemonic(const QString& caption, QChar key);

} // namespace q716
