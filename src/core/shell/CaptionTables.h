#pragma once
// The caption tables: every window text that depends on the language, as
// (window, control, property, index, Chinese, English) rows in the order they
// are applied. The windows apply them by objectName; the core only keeps data.

#include <QString>
#include <vector>

namespace q716 {

enum class CaptionProperty {
    WindowCaption, // the window's title
    Caption,       // a label, frame, button, check box or menu item text
    ToolTip,       // a toolbar button's tool tip; index = 1-based button number
    ListItem,      // item `index` of a combo box
    Heading        // heading of grid column `index`
};

struct CaptionEntry {
    QString control;     // objectName; empty for WindowCaption
    int arrayIndex = -1; // element of a control array (Combo5(5..8)), else -1
    CaptionProperty property = CaptionProperty::Caption;
    int index = 0;
    QString zh;
    QString en;
};

struct WindowCaptions {
    QString window; // objectName of the window: Form1, Form2, ... frmAbout
    std::vector<CaptionEntry> entries;
};

// Form1, Form2, Form3, Form4, Form5, Form6, Form7, FormUsePass, frmAbout.
const std::vector<WindowCaptions>& captionTables();
const WindowCaptions* captionsOf(const QString& window);

// The text an entry gets for a language code, or no value for codes other
// than 0 and 1 (the design texts then stay).
inline const QString* captionFor(const CaptionEntry& e, int languageCode) {
    if (languageCode == 0)
        return &e.zh;
    if (languageCode == 1)
        return &e.en;
    return nullptr;
}

// The text an entry shows before the captions are first applied, which stays
// when the language code is neither 0 nor 1.
QString designCaption(const QString& window, const CaptionEntry& entry);

// The text an entry shows for any language code: Chinese for 0, English for
// 1, the design text (designCaption) otherwise.
QString captionText(const QString& window, const CaptionEntry& entry, int languageCode);

// The caption of `control` in `window`'s table for a language code; empty
// when the table has none.
QString tableCaption(const QString& window, const QString& control, int languageCode);

} // namespace q716
