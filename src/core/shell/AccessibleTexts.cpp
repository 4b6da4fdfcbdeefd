#include "shell/AccessibleTexts.h"

#include <algorithm>

namespace q716 {

namespace {

using P = AccessibleProperty;

class Rows {
  public:
    explicit Rows(const char* window) { w_.window = QString::fromLatin1(window); }

    Rows& name(const char* control, const char* zh, const char* en) {
        return add(control, P::Name, 0, zh, en);
    }
    Rows& description(const char* control, const char* zh, const char* en) {
        return add(control, P::Description, 0, zh, en);
    }
    // Each control named by the label before it: (label, control) pairs.
    Rows& labelled(std::initializer_list<std::pair<const char*, const char*>> pairs) {
        for (const auto& [label, control] : pairs) {
            add(control, P::LabelledBy, 0, "", "");
            w_.entries.back().label = QString::fromLatin1(label);
        }
        return *this;
    }
    // The announced headings of a table's columns, from column 0 on.
    Rows& headings(const char* table,
                   std::initializer_list<std::pair<const char*, const char*>> h) {
        int column = 0;
        for (const auto& [zh, en] : h)
            add(table, P::Heading, column++, zh, en);
        return *this;
    }
    Rows& rows(const char* table, const char* zh, const char* en) {
        add(table, P::RowHeading, 0, zh, en);
        return add(table, P::EmptyCell, 0, "空", "empty");
    }
    // Menu entries and their access keys, the same letter in both languages.
    Rows& mnemonics(std::initializer_list<std::pair<const char*, char>> keys) {
        for (const auto& [control, key] : keys) {
            const char letter[2] = {key, 0};
            add(control, P::Mnemonic, 0, letter, letter);
        }
        return *this;
    }

    WindowAccessibleTexts done() { return std::move(w_); }

  private:
    Rows& add(const char* control, P property, int index, const char* zh, const char* en) {
        w_.entries.push_back({QString::fromLatin1(control), property, index, QString::fromUtf8(zh),
                              QString::fromUtf8(en), QString()});
        return *this;
    }

    WindowAccessibleTexts w_;
};

// The channel table's columns as announced: the two tone columns, whose
// visible headings are alike, by what they hold.
const std::initializer_list<std::pair<const char*, const char*>> ChannelColumns = {
    {"信道", "Channel"},          {"接收频率", "RX frequency"}, {"接收亚音频", "RX tone"},
    {"发射频率", "TX frequency"}, {"发射亚音频", "TX tone"},    {"功率", "Power"},
    {"禁发", "Forbid"},           {"宽窄带", "Band"},           {"扫描添加", "Scan"}};

WindowAccessibleTexts form1() {
    return Rows("Form1")
        .labelled({{"Label10", "Combo10"},
                   {"Label3", "Combo1"},
                   {"Label9", "Text2"},
                   {"Label5", "Combo3"},
                   {"Label1", "Combo4"},
                   {"Label6", "Combo9"},
                   {"Label4", "Combo2"},
                   {"Label7", "Combo6"},
                   {"Label8", "Combo7"},
                   {"Label11", "Combo11"},
                   {"Label13", "Combo13"},
                   {"Label12", "Combo12"}})
        .description("Text2", "最多 16 个字符：数字、字母和点",
                     "Up to 16 characters: digits, letters and a point")
        .name("Grid1", "信道表", "Channel table")
        .description("Grid1", "方向键移动，Enter 或 F2 编辑单元格，Shift+F10 或菜单键打开菜单",
                     "Arrow keys move, Enter or F2 edits the cell, Shift+F10 or the Menu key "
                     "opens the menu")
        .headings("Grid1", ChannelColumns)
        .rows("Grid1", "信道 %1", "Channel %1")
        .description("Text1", "频率，单位 MHz，例如 435.12500；Enter 确认",
                     "Frequency in MHz, for example 435.12500; Enter confirms")
        .description("Combo8", "亚音频：关闭、67.0 到 254.1 Hz，或如 D023N 的数字码；Enter 确认",
                     "Tone: Off, 67.0 to 254.1 Hz, or a digital code such as D023N; Enter confirms")
        .name("ProgressBar1", "读写进度", "Progress")
        .mnemonics(
            {{"mnuImportCsv", 'I'},    {"mnuExportCsv", 'E'},     {"mnuPrint", 'P'},
             {"mnuExportPdf", 'D'},    {"mnuCompareFile", 'C'},   {"mnuUndo", 'U'},
             {"mnuRedo", 'R'},         {"mnuCut", 'T'},           {"mnuCopy", 'C'},
             {"mnuPaste", 'P'},        {"mnuInsertChannel", 'I'}, {"mnuDeleteChannels", 'D'},
             {"mnuMoveUp", 'V'},       {"mnuMoveDown", 'W'},      {"mnuClearChannels", 'L'},
             {"mnuSortChannels", 'S'}, {"mnuSetColumn", 'O'},     {"mnuVerifyAfterWrite", 'V'},
             {"mnuCompareRadio", 'C'}, {"mnuBackupFolder", 'B'},  {"mnuCommLog", 'C'}})
        .done();
}

WindowAccessibleTexts form2() {
    return Rows("Form2")
        .name("Slider1", "高功率电平", "High power level")
        .name("Slider3", "低功率电平", "Low power level")
        .description("Slider1", "0 到 255，方向键调整", "0 to 255; the arrow keys change it")
        .description("Slider3", "0 到 255，方向键调整", "0 to 255; the arrow keys change it")
        .done();
}

WindowAccessibleTexts form4() {
    return Rows("Form4")
        .name("mfgrid1", "测试频率表", "Test frequency table")
        .description("mfgrid1", "方向键移动，输入频率即编辑，单位 MHz",
                     "Arrow keys move; typing a frequency in MHz edits the cell")
        .headings("mfgrid1",
                  {{"频道", "Channel"}, {"接收频率", "RX Frequency"}, {"发射频率", "TX Frequency"}})
        .rows("mfgrid1", "频道 %1", "Channel %1")
        .done();
}

WindowAccessibleTexts form5() {
    return Rows("Form5")
        .labelled({{"Label14", "Combo11"},
                   {"Label15", "Combo12"},
                   {"Label17", "Combo13"},
                   {"Label16", "Combo14"},
                   {"Label18", "Combo15"},
                   {"Label19", "Text5"},
                   {"Label20", "Text6"},
                   {"Label4", "Combo4"},
                   {"Label11", "Combo10"}})
        .description("Text5", "0 到 300 秒", "0 to 300 seconds")
        .description("Text6", "0 到 300 秒", "0 to 300 seconds")
        .done();
}

WindowAccessibleTexts form6() {
    return Rows("Form6").labelled({{"Label1", "Combo1"}, {"Label2", "Combo2"}}).done();
}

WindowAccessibleTexts form7() {
    return Rows("Form7")
        .name("Text1", "嵌入信息 第 1 行", "Embedded information, line 1")
        .name("Text2", "嵌入信息 第 2 行", "Embedded information, line 2")
        .description("Text1", "最多 32 个字符", "Up to 32 characters")
        .description("Text2", "最多 32 个字符", "Up to 32 characters")
        .done();
}

WindowAccessibleTexts formUsePass() {
    return Rows("FormUsePass")
        .labelled({{"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}})
        .done();
}

WindowAccessibleTexts importReport() {
    return Rows("ImportReport")
        .labelled({{"Label1", "Grid1"}, {"Label2", "List1"}})
        .headings("Grid1", {{"信道", "Channel"},
                            {"行", "Line"},
                            {"接收频率", "RX frequency"},
                            {"接收亚音频", "RX tone"},
                            {"发射频率", "TX frequency"},
                            {"发射亚音频", "TX tone"},
                            {"功率", "Power"},
                            {"禁发", "Forbid"},
                            {"宽窄带", "Band"},
                            {"扫描添加", "Scan"}})
        .done();
}

WindowAccessibleTexts compareWindow() {
    return Rows("CompareWindow").name("CompareList", "差异列表", "Differences").done();
}

WindowAccessibleTexts logWindow() {
    return Rows("LogWindow").name("LogText", "通信记录内容", "Log contents").done();
}

// Texts the windows put together at run time.
WindowAccessibleTexts runTimeTexts() {
    return Rows("AccessibleTexts").name("cellEditor", "信道 %1 %2", "Channel %1 %2").done();
}

} // namespace

const std::vector<WindowAccessibleTexts>& accessibleTables() {
    static const std::vector<WindowAccessibleTexts> tables = {
        form1(),       form2(),        form4(),         form5(),     form6(),       form7(),
        formUsePass(), importReport(), compareWindow(), logWindow(), runTimeTexts()};
    return tables;
}

const WindowAccessibleTexts* accessibleTextsOf(const QString& window) {
    for (const WindowAccessibleTexts& w : accessibleTables())
        if (w.window == window)
            return &w;
    return nullptr;
}

namespace {
const AccessibleEntry* entryOf(const QString& window, const QString& control, P property,
                               int index = 0) {
    if (const WindowAccessibleTexts* w = accessibleTextsOf(window))
        for (const AccessibleEntry& e : w->entries)
            if (e.control == control && e.property == property && e.index == index)
                return &e;
    return nullptr;
}
} // namespace

QString accessibleHeading(const QString& window, const QString& table, int column,
                          int languageCode) {
    const AccessibleEntry* e = entryOf(window, table, P::Heading, column);
    return e ? accessibleText(*e, languageCode) : QString();
}

QString cellEditorName(int channel, int column, int languageCode) {
    const AccessibleEntry* e =
        entryOf(QStringLiteral("AccessibleTexts"), QStringLiteral("cellEditor"), P::Name);
    return accessibleText(*e, languageCode)
        .arg(channel)
        .arg(accessibleHeading(QStringLiteral("Form1"), QStringLiteral("Grid1"), column,
                               languageCode));
}

QChar menuMnemonic(const QString& window, const QString& control, int languageCode) {
    const AccessibleEntry* e = entryOf(window, control, P::Mnemonic);
    return e ? accessibleText(*e, languageCode).at(0) : QChar();
}

QString withMnemonic(const QString& caption, QChar key) {
    if (key.isNull() || caption.contains(QLatin1Char('&')))
        return caption;
    // Chinese captions name their key after the text, as "读频(&R)" does.
    const bool chinese = std::any_of(caption.begin(), caption.end(),
                                     [](QChar c) { return c.script() == QChar::Script_Han; });
    const int at = chinese ? -1 : caption.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return QString(caption).insert(at, QLatin1Char('&'));
    const QString marker = QStringLiteral("(&%1)").arg(key.toUpper());
    const QString ellipsis = QStringLiteral("…");
    if (caption.endsWith(ellipsis))
        return caption.left(caption.size() - 1) + marker + ellipsis;
    return caption + marker;
}

} // namespace q716
