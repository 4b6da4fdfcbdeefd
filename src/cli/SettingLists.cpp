#include "SettingLists.h"

#include "shell/CaptionTables.h"

namespace q716::cli {

QString settingItemText(const char* control, int index, int languageCode) {
    const WindowCaptions* form1 = captionsOf(QStringLiteral("Form1"));
    if (!form1)
        return {};
    for (const CaptionEntry& e : form1->entries) {
        if (e.property == CaptionProperty::ListItem && e.index == index &&
            e.control == QLatin1String(control))
            return captionText(QStringLiteral("Form1"), e, languageCode);
    }
    return {};
}

} // namespace q716::cli
