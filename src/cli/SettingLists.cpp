#include "SettingLists.h"

#include "shell/MainWindowLists.h"

namespace q716::cli {

QString settingItemText(const char* control, int index, int languageCode) {
    const QStringList items = mainWindowListItems(QLatin1String(control), languageCode);
    return (index >= 0 && index < items.size()) ? items[index] : QString();
}

} // namespace q716::cli
