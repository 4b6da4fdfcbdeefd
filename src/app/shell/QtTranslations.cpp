#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace q716 {

namespace {

QString g_folder;
QPointer<QTranslator> g_chinese; // owned by the application object

QString translationsFolder() {
    return g_folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : g_folder;
}

} // namespace

void setQtTranslationsFolder(const QString& folder) {
    g_folder = folder;
}

void useQtTranslations(int languageCode) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // Loaded afresh each time, so a switch always reads the current folder.
    delete g_chinese; // removes itself from the application
    if (languageCode != 0)
        return;
    auto* translator = new QTranslator(app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), translationsFolder()) &&
        QCoreApplication::installTranslator(translator))
        g_chinese = translator;
    else
        delete translator;
}

} // namespace q716
