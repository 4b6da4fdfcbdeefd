#include "dialogs/DialogTexts.h"

#include "dialogs/OptionsDialog.h"
#include "shell/CaptionTables.h"

#include <QHash>

namespace q716 {

namespace {

using P = CaptionProperty;

const CaptionEntry* tableEntry(const QString& window, const QString& control, P property,
                               int index) {
    const WindowCaptions* w = captionsOf(window);
    if (!w)
        return nullptr;
    for (const CaptionEntry& e : w->entries)
        if (e.control == control && e.property == property &&
            (property == P::Caption || property == P::WindowCaption || e.index == index))
            return &e;
    return nullptr;
}

QStringList numbered(int first, int last, const QString& pattern) {
    QStringList items;
    for (int i = first; i <= last; ++i)
        items << pattern.arg(i);
    return items;
}

// Captions the tables leave alone; they read the same in both languages.
const QHash<QString, QString>& fixedCaptions() {
    static const QHash<QString, QString> texts{
        {QStringLiteral("Form2/"), QStringLiteral("Debug")},
        {QStringLiteral("Form2/Lblpower1"), QStringLiteral("208")},
        {QStringLiteral("Form2/Lblpower3"), QStringLiteral("92")},
        {QStringLiteral("Form4/"), QStringLiteral("测试频率")},
        {QStringLiteral("Form5/Frame1"), QStringLiteral("VOX")},
        {QStringLiteral("Form5/Frame3"), QStringLiteral("DTMF")},
        {QStringLiteral("Form5/Label25"), QStringLiteral("DTMF 速率")},
        {QStringLiteral("Form5/Label21"), QStringLiteral("首位数码时间")},
        {QStringLiteral("Form5/Label23"), QStringLiteral("首位数码延迟")},
        {QStringLiteral("Form5/Label22"), QStringLiteral("*和#音")},
        {QStringLiteral("Form5/Label24"), QStringLiteral("D键设定")},
        {QStringLiteral("Form5/Label26"), QStringLiteral("DTMF 侧音")},
        {QStringLiteral("Form5/Label28"), QStringLiteral("组呼码")},
        {QStringLiteral("Form5/Label27"), QStringLiteral("自动复位定时器")},
        {QStringLiteral("Form5/Label1"), QStringLiteral("ID码")},
        {QStringLiteral("Form5/Label13"), QStringLiteral("发射开始(16位)")},
        {QStringLiteral("Form5/Label12"), QStringLiteral("发射结束(16位)")},
        {QStringLiteral("Form6/Label1"), QStringLiteral("PF1")},
        {QStringLiteral("Form6/Label2"), QStringLiteral("PF2")},
    };
    return texts;
}

// Lists whose items the tables do not (or only partly) write.
QStringList fixedItems(const QString& window, const QString& combo) {
    const QString key = window + QLatin1Char('/') + combo;
    const QString offMs = QStringLiteral("OFF,100MS,500MS,1000MS");
    if (key == QLatin1String("Form5/Combo7"))
        return QStringList{QStringLiteral("关闭")} + numbered(1, 10, QStringLiteral("%1"));
    if (key == QLatin1String("Form5/Combo8"))
        return QStringLiteral("0.3S,0.5S,1S,1.5S,2S,3S").split(QLatin1Char(','));
    if (key == QLatin1String("Form5/Combo12")) {
        QStringList items;
        for (int channel = 1; channel <= 16; ++channel)
            items << QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
        return items;
    }
    if (key == QLatin1String("Form5/Combo13") || key == QLatin1String("Form5/Combo14"))
        return retraceTimeItems();
    if (key == QLatin1String("Form5/Combo0"))
        return QStringLiteral("6位,8位,10位,15位").split(QLatin1Char(','));
    if (key == QLatin1String("Form5/Combo16") || key == QLatin1String("Form5/Combo17"))
        return offMs.split(QLatin1Char(','));
    if (key == QLatin1String("Form5/Combo18")) {
        QStringList items;
        for (int ms = 100; ms <= 1000; ms += 50)
            items << QStringLiteral("%1MS").arg(ms);
        return items;
    }
    if (key == QLatin1String("Form5/Combo19"))
        return QStringList{QStringLiteral("D码")} + numbered(1, 16, QStringLiteral("%1秒"));
    if (key == QLatin1String("Form5/Combo20"))
        return {QStringLiteral("禁止"), QStringLiteral("使能")};
    if (key == QLatin1String("Form5/Combo22"))
        return QStringLiteral("关闭,*,#,A,B,C,D").split(QLatin1Char(','));
    if (key == QLatin1String("Form5/Combo21"))
        return QStringList{QStringLiteral("关闭")} + numbered(1, 15, QStringLiteral("%1秒"));
    return {};
}

} // namespace

QString dialogDesignText(const QString& window, const QString& control) {
    const auto fixed = fixedCaptions().constFind(window + QLatin1Char('/') + control);
    if (fixed != fixedCaptions().constEnd())
        return *fixed;
    const P property = control.isEmpty() ? P::WindowCaption : P::Caption;
    if (const CaptionEntry* e = tableEntry(window, control, property, 0))
        return designCaption(window, *e);
    return QString();
}

QStringList dialogDesignItems(const QString& window, const QString& combo) {
    QStringList items = fixedItems(window, combo);
    const WindowCaptions* w = captionsOf(window);
    if (!w)
        return items;
    // Items the tables write replace the fixed ones in place, or make the list.
    for (const CaptionEntry& e : w->entries) {
        if (e.control != combo || e.property != P::ListItem || e.index < 0)
            continue;
        while (items.size() <= e.index)
            items << QString();
        items[e.index] = designCaption(window, e);
    }
    return items;
}

QString dialogDesignHeading(const QString& window, const QString& grid, int column) {
    if (window == QLatin1String("Form5") && grid == QLatin1String("mfgrid1"))
        return column == 0 ? QStringLiteral("编号") : QStringLiteral("自动拨号存储器");
    if (const CaptionEntry* e = tableEntry(window, grid, P::Heading, column))
        return designCaption(window, *e);
    return QString();
}

} // namespace q716
