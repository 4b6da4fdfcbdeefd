#include "shell/LanguageSetting.h"

#include <QSettings>

namespace q716 {

namespace {
const QString ValueName = QStringLiteral("Languages");
}

QString languageOverrideText(const QSettings& store) {
    const QVariant value = store.value(ValueName);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().section(QChar(0), 0, 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(qint16(value.toLongLong() & 0xFFFF));
    default:
        return {};
    }
}

int loadLanguageSetting(QSettings& store, int fileLanguage) {
    const QString text = languageOverrideText(store);
    if (text.isEmpty())
        return fileLanguage;
    store.remove(ValueName);
    store.sync();
    return text == QLatin1String("english") ? 1 : 0;
}

int loadLanguageSetting(const QString& keyName, int fileLanguage) {
#ifdef Q_OS_WIN
    QSettings store(QStringLiteral("HKEY_CURRENT_USER\\") + keyName, QSettings::NativeFormat);
#else
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, keyName);
#endif
    return loadLanguageSetting(store, fileLanguage);
}

} // namespace q716
