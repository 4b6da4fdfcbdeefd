#include "shell/MainWindowLists.h"

#include "shell/CaptionTables.h"

namespace q716 {

namespace {

QStringList numbered(int from, int to, int step, const QString& suffix) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n * step) + suffix;
    return items;
}

QStringList designItems(const QString& control) {
    const QStringList offOn = {QStringLiteral("禁止"), QStringLiteral("使能")};
    if (control == QLatin1String("Combo2"))
        return {QStringLiteral("关"), QStringLiteral("中文"), QStringLiteral("英文")};
    // The time-out list is filled with " S" texts at start-up.
    if (control == QLatin1String("Combo3"))
        return numbered(1, 40, 15, QStringLiteral(" S"));
    if (control == QLatin1String("Combo4"))
        return QStringList{QStringLiteral("关闭")} + numbered(1, 10, 1, QStringLiteral(" 秒"));
    if (control == QLatin1String("Combo9"))
        return numbered(0, 9, 1, QStringLiteral(" 级"));
    if (control == QLatin1String("Combo6") || control == QLatin1String("Combo7") ||
        control == QLatin1String("Combo11"))
        return offOn;
    if (control == QLatin1String("Combo12"))
        return {QStringLiteral("0.3S"), QStringLiteral("0.5S"), QStringLiteral("1S"),
                QStringLiteral("1.5S"), QStringLiteral("2S"),   QStringLiteral("3S")};
    if (control == QLatin1String("Combo13"))
        return QStringList{QStringLiteral("关闭")} + numbered(1, 10, 1, QString());
    return {};
}

} // namespace

QStringList mainWindowListItems(const QString& control, int languageCode) {
    QStringList items = designItems(control);
    const QString form1 = QStringLiteral("Form1");
    if (const WindowCaptions* captions = captionsOf(form1)) {
        for (const CaptionEntry& e : captions->entries) {
            if (e.property == CaptionProperty::ListItem && e.control == control && e.index >= 0 &&
                e.index < items.size())
                items[e.index] = captionText(form1, e, languageCode);
        }
    }
    return items;
}

} // namespace q716
