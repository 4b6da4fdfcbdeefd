#include "interchange/ChannelSheet.h"

#include "channels/Vocabulary.h"
#include "shell/CaptionTables.h"
#include "shell/MainWindowLists.h"
#include "shell/Messages.h"

#include <QDir>

namespace q716 {

namespace {

const QString MainWindow = QStringLiteral("Form1");

QString caption(const QString& control, CaptionProperty property, int index, int lang) {
    if (const WindowCaptions* w = captionsOf(MainWindow))
        for (const CaptionEntry& e : w->entries)
            if (e.control == control && e.property == property && e.index == index)
                return captionText(MainWindow, e, lang);
    return QString();
}

QString labelText(const char* control, int lang) {
    QString text = caption(QLatin1String(control), CaptionProperty::Caption, 0, lang);
    return text.remove(QLatin1Char('&'));
}

QString listText(const char* control, int position, int lang) {
    return mainWindowListItems(QLatin1String(control), lang).value(position);
}

QString checkText(int checked, int lang) {
    return checked ? pickText(lang, QStringLiteral("是"), QStringLiteral("Yes"))
                   : pickText(lang, QStringLiteral("否"), QStringLiteral("No"));
}

} // namespace

ChannelSheet channelSheet(const EditorState& state, const QString& fileName, int lang) {
    const MainWindowState& f = state.form1;
    ChannelSheet sheet;
    sheet.title = caption(QString(), CaptionProperty::WindowCaption, 0, lang);
    sheet.fileLine = pickText(lang, QStringLiteral("文件：%1"), QStringLiteral("File: %1"))
                         .arg(fileName.isEmpty() ? pickText(lang, QStringLiteral("（未保存）"),
                                                            QStringLiteral("(not saved)"))
                                                 : QDir::toNativeSeparators(fileName));
    for (int col = 0; col < GridColumns; ++col)
        sheet.headings << caption(QStringLiteral("Grid1"), CaptionProperty::Heading, col, lang);
    for (int row = 1; row <= ChannelCount; ++row) {
        QStringList cells{QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'))};
        for (int col = 1; col < GridColumns; ++col)
            cells << f.grid.cell(row, col);
        sheet.rows.push_back(cells);
    }
    sheet.settingsTitle = labelText("Frame2", lang);
    sheet.settings = {
        {labelText("Label10", lang), modelItem(f.combo10)},
        {labelText("Label3", lang), bandItem(f.combo1)},
        {labelText("Label5", lang), listText("Combo3", f.combo3, lang)},
        {labelText("Label1", lang), listText("Combo4", f.combo4, lang)},
        {labelText("Label6", lang), listText("Combo9", f.combo9, lang)},
        {labelText("Label4", lang), listText("Combo2", f.combo2, lang)},
        {labelText("Label7", lang), listText("Combo6", f.combo6, lang)},
        {labelText("Label8", lang), listText("Combo7", f.combo7, lang)},
        {labelText("Label11", lang), listText("Combo11", f.combo11, lang)},
        {labelText("Label13", lang), listText("Combo13", f.combo13, lang)},
        {labelText("Label12", lang), listText("Combo12", f.combo12, lang)},
        {labelText("Check3", lang), checkText(f.check3, lang)},
        {labelText("Check4", lang), checkText(f.check4, lang)},
    };
    return sheet;
}

} // namespace q716
