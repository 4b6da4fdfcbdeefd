#include "shell/CaptionTables.h"

namespace q716 {

namespace {

using P = CaptionProperty;

// Builder for one window's rows, in the order the windows apply them.
class Rows {
  public:
    explicit Rows(const char* window) { w_.window = QString::fromLatin1(window); }

    Rows& window(const char* zh, const char* en) {
        return add(QString(), -1, P::WindowCaption, 0, zh, en);
    }
    Rows& caption(const char* control, const char* zh, const char* en) {
        return add(QString::fromLatin1(control), -1, P::Caption, 0, zh, en);
    }
    Rows& heading(const char* control, int column, const char* zh, const char* en) {
        return add(QString::fromLatin1(control), -1, P::Heading, column, zh, en);
    }
    Rows& toolTip(int button, const char* zh, const char* en) {
        return add(QStringLiteral("Toolbar1"), -1, P::ToolTip, button, zh, en);
    }
    Rows& item(const char* control, int index, const char* zh, const char* en) {
        return add(QString::fromLatin1(control), -1, P::ListItem, index, zh, en);
    }
    Rows& arrayItem(const char* control, int arrayIndex, int index, const char* zh,
                    const char* en) {
        return add(QString::fromLatin1(control), arrayIndex, P::ListItem, index, zh, en);
    }
    Rows& itemText(const char* control, int index, const QString& zh, const QString& en) {
        w_.entries.push_back({QString::fromLatin1(control), -1, P::ListItem, index, zh, en});
        return *this;
    }

    WindowCaptions done() { return std::move(w_); }

  private:
    Rows& add(const QString& control, int arrayIndex, P property, int index, const char* zh,
              const char* en) {
        w_.entries.push_back(
            {control, arrayIndex, property, index, QString::fromUtf8(zh), QString::fromUtf8(en)});
        return *this;
    }

    WindowCaptions w_;
};

// The rights line of Form1 and the developer line of the about box; both
// open the manual.
const char* const RightsZh = "© q716 项目 — 使用手册";
const char* const RightsEn = "© the q716 project — user manual";
const char* const DeveloperZh = "开发：q716 项目";
const char* const DeveloperEn = "Developed by the q716 project";

WindowCaptions form1() {
    Rows r("Form1");
    r.window("Q716S对讲机编程软件 V1.00", "Q716S Radio Software V1.00")
        .caption("mnuFile", "文件(&F)", "File(&F)")
        .caption("mnuNew", "新建(&N)", "New(&N)")
        .caption("mnuOpen", "打开(&O)", "Open(&O)")
        .caption("mnuAssave", "保存(&S)", "Save(&S)")
        .caption("mnuImportCsv", "导入 CSV…", "Import CSV…")
        .caption("mnuExportCsv", "导出 CSV…", "Export CSV…")
        .caption("mnuPrint", "打印…", "Print…")
        .caption("mnuExportPdf", "导出 PDF…", "Export PDF…")
        .caption("mnuQuit", "退出(&Q)", "Quit(&Q)")
        .caption("mnupro", "编程(&P)", "Programming(&P)")
        .caption("mnureadFre", "读频(&R)", "Read Frequency(&R)")
        .caption("mnuwriteFre", "写频(&W)", "Write Frequency(&W)")
        .caption("mnudtmf", "可选功能", "Optional function ")
        .caption("Key_enactment", "键设定", "Keys set ")
        .caption("mnusetin", "嵌入信息", "Embedded information")
        .caption("mnudebug", "调试(&D)", "Debug(&D)")
        .caption("mnutestfre", "测试频率", "Debug frequency")
        .caption("mnuset", "设置(&S)", "Settings(&S)")
        .caption("mnulock", "锁定(&L)", "Lock(&L)")
        .caption("mnuPass", "密码设置", "Password Set")
        .caption("mnucom", "通信端口(&V)", "Communication port(&V)")
        .caption("mnuLanguage", "语言选择(&L)", "Languages(&L)")
        .caption("mnuChinese", "中文", "Chinese")
        .caption("mnuEnglish", "英文", "Englist")
        .caption("mnuhelp", "帮助(&H)", "Help(&H)")
        .caption("mnumainhelp", "帮助主题  F1", "The help topic  F1 \"")
        .caption("mnuabout", "关于", "About")
        .heading("Grid1", 0, "信道", "CH")
        .heading("Grid1", 1, "接收频率", "RX frequency")
        .heading("Grid1", 2, "亚音频", "QT/DQT")
        .heading("Grid1", 3, "发射频率", "TX frequency")
        .heading("Grid1", 4, "亚音频", "QT/DQT")
        .heading("Grid1", 5, "功率", "Power")
        .heading("Grid1", 6, "禁发", "Forbid")
        .heading("Grid1", 7, "宽\\窄带", "Band")
        .heading("Grid1", 8, "扫描添加", "Scan")
        .toolTip(1, "新建", "New")
        .toolTip(2, "打开", "Open")
        .toolTip(3, "保存", "Save")
        .toolTip(5, "读频", "Read frequency")
        .toolTip(6, "写频", "Write frequency")
        .caption("Frame1", "机型选择", "Type selection")
        .caption("Frame2", "功能设置", "Function Set")
        .caption("Label2", RightsZh, RightsEn)
        .caption("Check3", "取消操作", "Cancel operation")
        .caption("Check4", "接收时禁止VOX", "Received banned VOX")
        .caption("Label3", "频段", "Channel")
        .caption("Label4", "语言通知", "Language")
        .caption("Label5", "发射超时", "Time-out")
        .caption("Label1", "发射超时预警", "Time-out Warn")
        .caption("Label6", "静噪等级", "Squelch Grade")
        .caption("Label7", "省电", "Battery Save")
        .caption("Label8", "提示音", "Beep")
        .caption("Label9", "通讯密码", "C-Password")
        .caption("Label10", "机型", "Model")
        .caption("Label11", "VOX功能", "VOX Function")
        .caption("Label13", "VOX增益电平", "VOX GBIN")
        .caption("Label12", "VOX延迟时间", "VOX Delay time")
        .item("Combo8", 0, "关闭", "Off")
        .arrayItem("Combo5", 5, 0, "低", "Low")
        .arrayItem("Combo5", 5, 1, "高", "Hight")
        .arrayItem("Combo5", 6, 1, "载波", "Carrow")
        .arrayItem("Combo5", 6, 0, "关闭", "Off")
        .arrayItem("Combo5", 7, 0, "窄带", "Narrow")
        .arrayItem("Combo5", 7, 1, "宽带", "Wide")
        .arrayItem("Combo5", 8, 0, "无", "No")
        .arrayItem("Combo5", 8, 1, "有", "Have")
        .item("Combo2", 0, "关", "Off")
        .item("Combo2", 1, "中文", "Chinese")
        .item("Combo2", 2, "英文", "Englist");
    for (int n = 1; n <= 40; ++n) {
        const QString value = QString::number(n * 15);
        r.itemText("Combo3", n - 1, value + QStringLiteral(" 秒"), value + QStringLiteral(" S"));
    }
    r.item("Combo4", 0, "关闭", "Off");
    for (int n = 1; n <= 10; ++n) {
        const QString value = QString::number(n);
        r.itemText("Combo4", n, value + QStringLiteral(" 秒"), value + QStringLiteral(" S"));
    }
    for (int n = 0; n <= 9; ++n) {
        const QString value = QString::number(n);
        r.itemText("Combo9", n, value + QStringLiteral(" 级"), value + QStringLiteral(" Group"));
    }
    r.item("Combo6", 0, "禁止", "Off")
        .item("Combo6", 1, "使能", "On")
        .item("Combo7", 0, "禁止", "Off")
        .item("Combo7", 1, "使能", "On")
        .item("Combo11", 0, "禁止", "Off")
        .item("Combo11", 1, "使能", "On")
        .item("Combo13", 0, "关闭", "Off");
    // Safe writes: comparisons, the read-back check, backups, the session log.
    r.caption("mnuCompareFile", "比较文件…", "Compare with file…")
        .caption("mnuVerifyAfterWrite", "写频后校验", "Verify after writing")
        .caption("mnuReadBeforeWrite", "写频前先读取对讲机", "Read the radio before writing")
        .caption("mnuCompareRadio", "与对讲机比较", "Compare with radio")
        .caption("mnuBackupFolder", "备份文件夹…", "Backup folder…")
        .caption("mnuCommLog", "通信记录…", "Communication log…");
    // The Edit menu and the grid's context menu.
    r.caption("mnuEdit", "编辑(&E)", "Edit(&E)")
        .caption("mnuUndo", "撤销", "Undo")
        .caption("mnuRedo", "重做", "Redo")
        .caption("mnuCut", "剪切", "Cut")
        .caption("mnuCopy", "复制", "Copy")
        .caption("mnuPaste", "粘贴", "Paste")
        .caption("mnuInsertChannel", "插入空信道", "Insert empty channel")
        .caption("mnuDeleteChannels", "删除信道", "Delete channels")
        .caption("mnuMoveUp", "上移", "Move up")
        .caption("mnuMoveDown", "下移", "Move down")
        .caption("mnuClearChannels", "清除", "Clear")
        .caption("mnuSortChannels", "按接收频率排序", "Sort by receive frequency")
        .caption("mnuSetColumn", "为所选信道设置此列…", "Set column on selected channels…");
    return r.done();
}

WindowCaptions form2() {
    return Rows("Form2")
        .caption("Frame1", "发射高功率", "TX-Hight Power")
        .caption("Frame2", "发射低功率", "TX-Low Power")
        .caption("Label3", "最小", "Low")
        .caption("Label6", "最小", "Low")
        .caption("Label7", "最大", "Hight")
        .caption("Label8", "最大", "Hight")
        .caption("Command1", "确定", "OK")
        .done();
}

WindowCaptions form3() {
    return Rows("Form3")
        .caption("Label1", "请输入密码", "Password:")
        .caption("Command1", "确定", "OK")
        .done();
}

WindowCaptions form4() {
    return Rows("Form4")
        .heading("mfgrid1", 0, "频道", "Channel")
        .heading("mfgrid1", 1, "接收频率", "RX Frequency")
        .heading("mfgrid1", 2, "发射频率", "TX Frequency")
        .caption("Command1", "确定", "OK")
        .caption("Command2", "取消", "Cancel")
        .done();
}

WindowCaptions form5() {
    return Rows("Form5")
        .window("可选功能", "Optional Function")
        .caption("Frame2", "扫描", "Scan")
        .caption("Check3", "取消操作", "Cancel operation")
        .caption("Check4", "接收时禁止VOX", "Received banned VOX")
        .caption("Label8", "VOX功能", "VOX Function")
        .caption("Label10", "VOX增益电平", "VOX GBIN")
        .caption("Label9", "VOX延迟时间", "VOX Delay time")
        .caption("Label7", "VOX可进行音调", "VOX volume control")
        .caption("Label4", "PTT ID", "PTT ID")
        .caption("Label11", "复制", "Duplicate")
        .caption("Label14", "优先", "Priority")
        .caption("Label15", "优先信道", "Preferred channel")
        .caption("Label17", "回扫时间A", "Retrace Time A")
        .caption("Label16", "回扫时间B", "Retrace Time B")
        .caption("Label18", "返回信道", "Return channel")
        .caption("Label19", "扫描接收恢复延时时间(秒)", "Scan receive delay time(S)")
        .caption("Label20", "扫描发射恢复延时时间(秒)", "Scan launch delay time(S)")
        .caption("Command1", "确定", "OK")
        .caption("Command2", "取消", "Cancel")
        .item("Combo4", 0, "发射开始", "Launch Start")
        .item("Combo4", 1, "发射结束", "Launch End")
        .item("Combo4", 2, "两者", "Both")
        .item("Combo6", 0, "禁止", "Off")
        .item("Combo6", 1, "使能", "On")
        .item("Combo7", 0, "关闭", "Off")
        .item("Combo9", 0, "禁止", "Off")
        .item("Combo9", 1, "使能", "On")
        .item("Combo10", 0, "禁止", "Off")
        .item("Combo10", 1, "使能", "On")
        .item("Combo11", 0, "无", "No")
        .item("Combo11", 1, "固定", "Fixed")
        .item("Combo11", 2, "选定", "Selected")
        .item("Combo13", 0, "空", "Empty")
        .item("Combo14", 0, "空", "Empty")
        .item("Combo15", 0, "选定", "Selected")
        .item("Combo15", 1, "选定+当前", "Selected+Current")
        .item("Combo15", 2, "优先", "priority")
        .item("Combo15", 3, "优先+当前", "priority+Current")
        .done();
}

WindowCaptions form6() {
    static const char* const keys[12][2] = {
        {"自动拨号", "Automatic dial-up"},
        {"OFF", "OFF"},
        {"按键锁定", "Keys lock"},
        {"按键锁定及备份", "Key lock & backup"},
        {"监听", "Surveillance"},
        {"监听瞬时", "Surveillance instant"},
        {"扫描", "Scan"},
        {"扫描+暂时删除", "Scan & Delete temporary"},
        {"照明灯开关", "Floodlight switch"},
        {"取消静噪", "Cancel static noise"},
        {"瞬时取消静噪", "Instant cancel static noise"},
        {"暂时删除", "Delete temporary"},
    };
    Rows r("Form6");
    r.window("键设定", "Keys Set")
        .caption("Command1", "确定", "OK")
        .caption("Command2", "取消", "Cancel");
    for (const char* combo : {"Combo1", "Combo2"})
        for (int i = 0; i < 12; ++i)
            r.item(combo, i, keys[i][0], keys[i][1]);
    return r.done();
}

WindowCaptions form7() {
    return Rows("Form7")
        .window("嵌入信息", "Embedded Information")
        .caption("Command1", "确定", "OK")
        .caption("Command2", "取消", "Cancel")
        .done();
}

WindowCaptions formUsePass() {
    return Rows("FormUsePass")
        .caption("Label1", "原始通讯密码:", "Old Password:")
        .caption("Label2", "新通讯密码:", "New Password:")
        .caption("Label3", "确认新通讯密码:", "Confirm Password:")
        .caption("Command2", "取消", "Cancel")
        .caption("Command3", "生成新密码", "Create New Password")
        .done();
}

WindowCaptions frmAbout() {
    return Rows("frmAbout")
        .caption("lblTitle", "Q716S对讲机编程软件", "Q716S Radio Software ")
        .caption("lblVersion", "简体中文版 V1.00", "English version V1.00")
        .caption("Label2", "发布：2012.10", "Issue：2012.10")
        .caption("lblDescription", DeveloperZh, DeveloperEn)
        .caption("cmdOK", "确定", "OK")
        .done();
}

// The report a CSV import shows before it changes anything.
WindowCaptions importReport() {
    return Rows("ImportReport")
        .window("导入 CSV", "Import CSV")
        .caption("Label1", "将设置的信道", "Channels to be set")
        .caption("Label2", "跳过的行和改动", "Skipped rows and changes")
        .heading("Grid1", 0, "信道", "CH")
        .heading("Grid1", 1, "行", "Line")
        .heading("Grid1", 2, "接收频率", "RX frequency")
        .heading("Grid1", 3, "亚音频", "QT/DQT")
        .heading("Grid1", 4, "发射频率", "TX frequency")
        .heading("Grid1", 5, "亚音频", "QT/DQT")
        .heading("Grid1", 6, "功率", "Power")
        .heading("Grid1", 7, "禁发", "Forbid")
        .heading("Grid1", 8, "宽\\窄带", "Band")
        .heading("Grid1", 9, "扫描添加", "Scan")
        .caption("Command1", "确定", "OK")
        .caption("Command2", "取消", "Cancel")
        .done();
}

// Names of the undoable steps as the Edit menu shows them; %1 and %2 are
// filled in by the program (channel, column, setting).
WindowCaptions editSteps() {
    return Rows("EditSteps")
        .caption("stepCell", "信道 %1 %2", "Channel %1 %2")
        .caption("stepBand", "改变频段", "Band change")
        .caption("stepSetting", "功能设置：%1", "Function setting: %1")
        .caption("stepPassword", "通讯密码", "Communication password")
        .caption("stepForm5", "可选功能", "Optional function")
        .caption("stepForm6", "键设定", "Keys set")
        .caption("stepForm7", "嵌入信息", "Embedded information")
        .caption("stepForm4", "测试频率", "Debug frequency")
        .caption("stepForm2", "调试", "Debug")
        .caption("stepNew", "新建", "New")
        .caption("stepOpen", "打开文件", "Open file")
        .caption("stepImport", "导入 CSV", "Import CSV")
        .caption("stepRead", "从对讲机读频", "Read from radio")
        .caption("stepCut", "剪切信道", "Cut channels")
        .caption("stepPaste", "粘贴信道", "Paste channels")
        .caption("stepInsert", "插入空信道", "Insert empty channel")
        .caption("stepDelete", "删除信道", "Delete channels")
        .caption("stepMoveUp", "上移信道", "Move channels up")
        .caption("stepMoveDown", "下移信道", "Move channels down")
        .caption("stepClear", "清除信道", "Clear channels")
        .caption("stepSort", "按接收频率排序", "Sort by receive frequency")
        .caption("stepSetColumn", "设置%1", "Set %1")
        .caption("column1", "接收频率", "receive frequency")
        .caption("column2", "接收亚音频", "receive tone")
        .caption("column3", "发射频率", "transmit frequency")
        .caption("column4", "发射亚音频", "transmit tone")
        .caption("column5", "功率", "power")
        .caption("column6", "禁发", "Forbid")
        .caption("column7", "宽窄带", "bandwidth")
        .caption("column8", "扫描添加", "scan")
        .done();
}

// The question before quitting with unsaved changes: its button captions.
WindowCaptions quitQuestion() {
    return Rows("QuitQuestion")
        .caption("SaveButton", "保存", "Save")
        .caption("DiscardButton", "不保存", "Discard")
        .caption("CancelButton", "取消", "Cancel")
        .done();
}

WindowCaptions compareWindow() {
    return Rows("CompareWindow")
        .window("比较", "Compare")
        .heading("CompareList", 0, "信道", "CH")
        .heading("CompareList", 1, "项目", "Field")
        .heading("CompareList", 2, "编辑器", "Editor")
        .heading("CompareList", 3, "对讲机", "Radio")
        .heading("CompareList", 4, "文件", "File")
        .caption("NoDifferences", "没有差异。", "No differences.")
        .caption("CloseButton", "关闭", "Close")
        .done();
}

WindowCaptions verifyWindow() {
    return Rows("VerifyWindow")
        .window("写频后校验", "Verify after writing")
        .caption("CloseButton", "关闭", "Close")
        .done();
}

WindowCaptions logWindow() {
    return Rows("LogWindow")
        .window("通信记录", "Communication log")
        .caption("SaveButton", "保存…", "Save…")
        .caption("CloseButton", "关闭", "Close")
        .done();
}

} // namespace

const std::vector<WindowCaptions>& captionTables() {
    static const std::vector<WindowCaptions> tables = {
        form1(),         form2(),     form3(),       form4(),        form5(),
        form6(),         form7(),     formUsePass(), frmAbout(),     importReport(),
        compareWindow(), logWindow(), editSteps(),   quitQuestion(), verifyWindow(),
    };
    return tables;
}

const WindowCaptions* captionsOf(const QString& window) {
    for (const WindowCaptions& w : captionTables())
        if (w.window == window)
            return &w;
    return nullptr;
}

QString designCaption(const QString& window, const CaptionEntry& e) {
    if (window == QLatin1String("Form1")) {
        if (e.property == CaptionProperty::WindowCaption)
            return QStringLiteral("TQ-418 Radio Software");
        // Start-up fills Combo3 with "n S" before the tables are applied.
        if (e.property == CaptionProperty::ListItem && e.control == QLatin1String("Combo3"))
            return QString::number((e.index + 1) * 15) + QStringLiteral(" S");
    } else if (window == QLatin1String("frmAbout") && e.property == CaptionProperty::Caption) {
        if (e.control == QLatin1String("lblTitle"))
            return QStringLiteral("应用程序标题");
        if (e.control == QLatin1String("lblVersion"))
            return QStringLiteral("简体中文版版本");
        if (e.control == QLatin1String("Label2"))
            return QStringLiteral("发布：2010.08");
    }
    return e.zh;
}

QString captionText(const QString& window, const CaptionEntry& e, int languageCode) {
    if (const QString* text = captionFor(e, languageCode))
        return *text;
    return designCaption(window, e);
}

QString tableCaption(const QString& window, const QString& control, int languageCode) {
    if (const WindowCaptions* table = captionsOf(window))
        for (const CaptionEntry& e : table->entries)
            if (e.control == control && e.property == CaptionProperty::Caption)
                return captionText(window, e, languageCode);
    return {};
}

} // namespace q716
