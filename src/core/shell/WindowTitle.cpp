#include "shell/WindowTitle.h"

#include "shell/CaptionTables.h"
#include "shell/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace q716 {

QString mainWindowTitle(const QString& heldFile, int languageCode) {
    if (!heldFile.isEmpty())
        return ApplicationTitle + QLatin1Char('-') +
               QDir::toNativeSeparators(QFileInfo(heldFile).absoluteFilePath());
    const QString window = QStringLiteral("Form1");
    if (const WindowCaptions* table = captionsOf(window))
        for (const CaptionEntry& e : table->entries)
            if (e.property == CaptionProperty::WindowCaption)
                return captionText(window, e, languageCode);
    return ApplicationTitle;
}

} // namespace q716
