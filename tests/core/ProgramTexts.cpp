#include "ProgramTexts.h"

#include "channels/BandChange.h"
#include "channels/CellRules.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "channels/RowOperations.h"
#include "channels/Vocabulary.h"
#include "compare/CompareTexts.h"
#include "compare/EditorFields.h"
#include "compare/StoredValues.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DtmfKeys.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/InputCommit.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/PriorityRules.h"
#include "dialogs/TestFrequencyDialog.h"
#include "files/Backups.h"
#include "files/ChannelFile.h"
#include "interchange/ChannelSheet.h"
#include "interchange/ImportReport.h"
#include "interchange/InterchangeTexts.h"
#include "link/LinkTexts.h"
#include "link/PasswordChange.h"
#include "link/PortList.h"
#include "link/PortTexts.h"
#include "shell/AccessibleTexts.h"
#include "shell/CaptionTables.h"
#include "shell/FileQuestions.h"
#include "shell/MainWindowLists.h"
#include "shell/Messages.h"

namespace q716test {

using namespace q716;

namespace {

const QString Blank = QStringLiteral("…");

// `text` with each sample value put in for a variable part replaced by "…".
QString blanked(QString text, const QStringList& samples) {
    for (const QString& sample : samples)
        text.replace(sample, Blank);
    return text;
}

bool isMenuEntry(const CaptionEntry& e) {
    return e.property == CaptionProperty::Caption && (e.control.startsWith(QLatin1String("mnu")) ||
                                                      e.control == QLatin1String("Key_enactment"));
}

bool tableWrites(const QString& window, const QString& control, CaptionProperty property,
                 int index) {
    const WindowCaptions* w = captionsOf(window);
    if (!w)
        return false;
    for (const CaptionEntry& e : w->entries)
        if (e.control == control && e.property == property &&
            (property != CaptionProperty::ListItem || e.index == index))
            return true;
    return false;
}

// Captions and list items of the dialogs that no table writes: they read the
// same in both languages.
QStringList fixedDialogTexts() {
    QStringList texts;
    const QStringList windows = {"Form2", "Form4", "Form5", "Form6", "Form7"};
    for (const QString& window : windows) {
        QStringList controls{QString()};
        for (const char* kind : {"Label", "Frame", "Check", "Command", "Lblpower"})
            for (int n = 0; n <= 40; ++n)
                controls << QString::fromLatin1(kind) + QString::number(n);
        for (const QString& control : controls) {
            const CaptionProperty property =
                control.isEmpty() ? CaptionProperty::WindowCaption : CaptionProperty::Caption;
            const QString text = dialogDesignText(window, control);
            if (!text.isEmpty() && !tableWrites(window, control, property, 0))
                texts << text;
        }
        for (int n = 0; n <= 22; ++n) {
            const QString combo = QStringLiteral("Combo%1").arg(n);
            const QStringList items = dialogDesignItems(window, combo);
            for (int i = 0; i < items.size(); ++i)
                if (!tableWrites(window, combo, CaptionProperty::ListItem, i))
                    texts << items[i];
        }
    }
    // The DTMF memory grid's headings.
    for (int column = 0; column < 2; ++column)
        texts << dialogDesignHeading(QStringLiteral("Form5"), QStringLiteral("mfgrid1"), column);
    return texts;
}

} // namespace

QString normalizedText(const QString& text) {
    return text.simplified();
}

QString shownCaption(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return normalizedText(shown);
}

QStringList shownCaptions(int lang) {
    QStringList texts;
    for (const WindowCaptions& w : captionTables()) {
        for (const CaptionEntry& e : w.entries) {
            texts << captionText(w.window, e, lang);
            // The toolbar's captions are its Chinese tool tips, in every language.
            if (e.property == CaptionProperty::ToolTip)
                texts << e.zh;
        }
    }
    texts << fixedDialogTexts();
    // What a screen reader says is shown to its user too.
    for (const WindowAccessibleTexts& w : accessibleTables())
        for (const AccessibleEntry& e : w.entries)
            if (e.property != AccessibleProperty::Mnemonic)
                texts << QString(accessibleText(e, lang))
                             .replace(QLatin1String("%1"), QLatin1String("3"));
    texts << cellEditorName(3, 1, lang);
    for (const char* combo : {"Combo2", "Combo3", "Combo4", "Combo6", "Combo7", "Combo9", "Combo11",
                              "Combo12", "Combo13"})
        texts << mainWindowListItems(QLatin1String(combo), lang);
    for (int i = 0; i < BandCount; ++i)
        texts << bandItem(i);
    for (int i = 0; i < ModelCount; ++i)
        texts << modelItem(i);
    for (int i = 0; i < ToneCount; ++i)
        texts << toneItem(i, lang);
    for (int column = 5; column <= 8; ++column)
        for (int entry = 0; entry < 2; ++entry)
            texts << flagItem(column, entry, lang);
    for (int result = ResultOk; result <= ResultNo; ++result)
        texts << messageButtonText(lang, result);
    for (int i = 0; i < PortSlots; ++i)
        texts << portCaption(i, {});
    texts << porttext::otherDeviceCaption(lang, {}) << porttext::otherDeviceTitle(lang)
          << porttext::otherDevicePrompt(lang);
    const PasswordDialogCaptions password = passwordDialogCaptions(lang);
    texts << password.window << ApplicationTitle;
    for (QString& t : texts)
        t = shownCaption(t);
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

QStringList menuCaptions(int lang) {
    QStringList texts;
    for (const CaptionEntry& e : captionsOf(QStringLiteral("Form1"))->entries)
        if (isMenuEntry(e))
            texts << shownCaption(*captionFor(e, lang));
    return texts;
}

std::vector<ProgramText> programMessages(int lang) {
    using K = TextKind;
    std::vector<ProgramText> all;
    const auto add = [&all](TextKind kind, const QString& text) { all.push_back({kind, text}); };
    const auto box = [&](const Message& m) {
        add(K::MessageBox, m.text);
        if (!m.title.isEmpty())
            add(K::Fragment, m.title);
    };

    // Message boxes.
    box(*commitFrequency(QStringLiteral("999"), 1, true, 400, 480, lang).message);
    box(newTableQuestion(lang));
    box(bandChangeQuestion(lang));
    box(overwriteQuestion(lang));
    box(saveFailedMessage(lang));
    box(wrongTypeMessage(lang));
    box(comparetext::verifyMismatch(lang, {}));
    box(comparetext::verifyNotRun(lang, Blank));
    box(comparetext::readBeforeWriteFailed(lang, Blank));
    box(backupFolderMessage(lang, Blank));
    box(linktext::portNotOpen(lang));
    box(porttext::cableGone(lang, Blank));
    box(porttext::noCable(lang));
    box(porttext::otherDeviceRefused(lang, Blank, Blank));
    box(linktext::communicationError(lang));
    box(linktext::passwordIncorrect(lang));
    box(checkNewPassword(QString(), QStringLiteral("a"), QStringLiteral("a"), lang).message);
    box(checkNewPassword(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), lang)
            .message);
    box(testFrequencyRefusedMessage(Blank, lang));
    {
        EditorState s;
        s.values.languageCode = lang;
        s.form5.text5 = QStringLiteral("301");
        box(*acceptOptionsDialog(s));
    }
    box(*dtmfMemoryLengthMessage(QString(DtmfMemoryLength + 1, QLatin1Char('1'))));
    {
        EditorState s;
        s.values.languageCode = lang;
        choosePriorityMode(s, 1, [&](const Message& m) {
            box(m);
            return int(ResultOk);
        });
        s.form1.grid.cell(1, 1) = QStringLiteral("435.12500");
        choosePriorityMode(s, 1, {});
        choosePreferredChannel(s, 5, [&](const Message& m) {
            box(m);
            return int(ResultOk);
        });
    }
    for (const ImportProblem refusal :
         {ImportProblem::FileEmpty, ImportProblem::MissingColumn, ImportProblem::UnclosedQuote}) {
        ImportIssue issue;
        issue.problem = refusal;
        issue.value = Blank;
        box(importRefusedMessage(Blank, issue, lang));
    }
    box(fileUnreadableMessage(Blank, lang));
    {
        // Export CSV's list of channels left out or changed, one line per kind.
        using EK = ExportIssue::Kind;
        std::vector<ExportIssue> issues;
        for (EK kind : {EK::ChannelLeftOut, EK::ReceiveOnly, EK::NoTone, EK::ListDefault}) {
            const bool list = kind == EK::ListDefault;
            const ExportIssue issue{kind, 3, list ? 5 : 1, Blank, 1};
            QString cell =
                fieldLongName({list ? FieldKind::Power : FieldKind::RxFrequency, 3}, lang);
            cell[0] = cell[0].toUpper();
            add(K::ReportLine, blanked(exportIssueText(issue, lang), {cell, flagItem(5, 1, lang)}));
            issues.push_back(issue);
        }
        Message changed = exportChangesMessage({issues[0]}, lang);
        changed.text = blanked(changed.text, {exportIssueText(issues[0], lang)});
        box(changed);
    }
    for (const ReplacingCommand command : {ReplacingCommand::Quit, ReplacingCommand::New,
                                           ReplacingCommand::Open, ReplacingCommand::Read})
        box(unsavedChangesQuestion(command, lang));
    box(closeDuringSessionQuestion(lang));
    {
        // The row operations of the Edit menu: an insert with channel 16 in
        // use, a paste that does not fit, pasted text a CSV import refuses.
        EditorState s;
        s.form1.grid.cell(ChannelCount, 1) = QStringLiteral("435.12500");
        box(insertChannel(s, 1, lang).message.value());
        const int count = 9, first = 12, room = ChannelCount - first + 1;
        Message tooMany =
            pasteChannels(s, first, std::vector<CopiedChannel>(count), lang).message.value();
        tooMany.text = blanked(
            tooMany.text, {QString::number(first), QString::number(count), QString::number(room)});
        box(tooMany);
        Message refused =
            channelsFromText(QStringLiteral("Location,Name\n1,a\n"), 1, 0, lang).refusal.value();
        ImportIssue reason;
        reason.problem = ImportProblem::MissingColumn;
        reason.value = QStringLiteral("Frequency");
        refused.text = blanked(refused.text, {importIssueText(reason, lang)});
        box(refused);
        box(channelsFromText(QStringLiteral("435.125\n"), 1, 0, lang).refusal.value());
        box(channelsFromText(QStringLiteral("Location,Frequency\n"), 1, 0, lang).refusal.value());
        // Channels of the own form that break every rule of typing once.
        std::vector<CopiedChannel> bad(2);
        bad[0].cells = {
            QString(), QStringLiteral("abc"), QStringLiteral("3075.4"), QStringLiteral("999.00000"),
            QString(), QStringLiteral("Low")};
        bad[0].index[4] = 261;
        bad[0].index[5] = 1;
        bad[0].index[6] = 260;
        bad[1].cells[1] = QStringLiteral("401.00100");
        Message own = checkOwnFormChannels(bad, 1, 0, lang).refusal.value();
        add(K::Fragment, own.text);
        own.text = blanked(own.text, {own.text.section(QLatin1Char('\n'), 1, -2)});
        box(own);
    }
    {
        // Values a save or a write cannot keep: the questions and the notice.
        const QList<FieldDifference> none;
        box(notStoredQuestion(WayOut::Write, none, lang));
        box(notStoredQuestion(WayOut::Save, none, lang));
        box(notStoredNotice(none, lang));
        for (const WayOut way : {WayOut::Write, WayOut::Save})
            for (const auto& [code, text] : notStoredQuestion(way, none, lang).buttonTexts)
                add(K::Fragment, text);
        add(K::Fragment, comparetext::notStoredLine(lang, Blank, Blank, QString()));
        add(K::Fragment, comparetext::unshownByteLine(lang, 0x0134, Blank, 0x4D, 0x04));
    }

    // The status line.
    add(K::Status, linktext::busy(lang));
    add(K::Status, linktext::readSuccess(lang));
    add(K::Status, linktext::writeSuccess(lang));
    add(K::Status, linktext::passwordChanged(lang));
    add(K::Status, comparetext::verifyOk(lang));
    add(K::Status, comparetext::verifyFailed(lang));
    add(K::Status, comparetext::verifyNotRunStatus(lang));
    add(K::Status, backupFailedNote(lang, Blank));
    add(K::Status, porttext::cableFound(lang, Blank));

    // Tool tips of ports that cannot be opened.
    add(K::PortTip, linktext::portInUse(lang));
    add(K::PortTip, linktext::portPermissionDenied(lang, QStringLiteral("dialout")));
    add(K::PortTip, linktext::portCannotOpen(lang, Blank));
    add(K::Fragment, porttext::goneCaption(lang, Blank));

    add(K::Note, embeddedInfoHint(QStringLiteral("对讲机"), QString(), lang));

    // The import report: one line per kind of row problem, for the receive
    // side; the transmit side and the "line n" prefix are parts of them.
    const int sampleLine = 716;
    for (int p = int(ImportProblem::NoChannelLeft); p <= int(ImportProblem::UnknownPower); ++p) {
        ImportIssue issue;
        issue.problem = ImportProblem(p);
        issue.value = Blank;
        issue.detail = Blank;
        issue.band = 0;
        issue.side = ChannelSide::Receive;
        add(K::ReportLine, blanked(importIssueText(issue, lang), {bandItem(0)}));
        issue.side = ChannelSide::Transmit;
        add(K::Fragment, blanked(importIssueText(issue, lang), {bandItem(0)}));
        issue.line = sampleLine;
        add(K::Fragment, importIssueText(issue, lang));
        issue.location = QStringLiteral("3");
        add(K::Fragment, importIssueText(issue, lang));
    }
    {
        // Why rows fill channels in file order.
        ImportIssue order;
        order.problem = ImportProblem::LocationNotAChannel;
        order.line = sampleLine;
        order.location = QStringLiteral("7167");
        add(K::ReportLine,
            blanked(importIssueText(order, lang), {order.location, QString::number(sampleLine)}));
        order.problem = ImportProblem::LocationRepeated;
        order.location = QStringLiteral("7165");
        order.value = QStringLiteral("7166");
        add(K::ReportLine,
            blanked(importIssueText(order, lang),
                    {QStringLiteral("7165"), QStringLiteral("7166"), QString::number(sampleLine)}));
        // A list that sets no channel: no rows, or every row skipped.
        CsvImportPlan plan;
        add(K::ReportLine, importSummaryLines(plan, lang).value(1));
        plan.rows = 7161;
        add(K::ReportLine, importSummaryLines(plan, lang).value(1));
    }
    {
        CsvImportPlan plan;
        plan.band = 0;
        plan.channels[1] = ImportedChannel{};
        plan.rows = 7161;
        plan.rowsSkipped = 7162;
        plan.namesDropped = 7163;
        const QStringList lines = importSummaryLines(plan, lang);
        for (const QString& line : lines)
            add(K::Fragment, line);
        plan.rowsOutsideBand = 7164;
        const QStringList samples = {QStringLiteral("7164"), bandItem(0), bandItem(5)};
        add(K::ReportLine, blanked(importSummaryLines(plan, lang).last(), samples));
        plan.bandHoldingAll = 5;
        add(K::ReportLine, blanked(importSummaryLines(plan, lang).last(), samples));
    }

    // Parts of the comparison list, the read-back warning and the sheet.
    add(K::Fragment, comparetext::channel(lang, 3));
    add(K::Fragment, comparetext::rxTone(lang));
    add(K::Fragment, comparetext::txTone(lang));
    add(K::Fragment, comparetext::fixedData(lang));
    add(K::Fragment, comparetext::verifyLine(lang, 0x0120, Blank, 0x12, 0x34));
    add(K::Fragment, comparetext::verifyMismatchHeadline(lang));
    add(K::Fragment, comparetext::portClosedBeforeCheck(lang));
    add(K::Fragment, comparetext::optionText(lang, 1));
    for (const QString& file : {QString(), QStringLiteral("plan.DAT")}) {
        EditorState s;
        s.form1.check3 = 1;
        const ChannelSheet sheet = channelSheet(s, file, lang);
        add(K::Fragment, sheet.fileLine);
        for (const auto& [label, value] : sheet.settings)
            add(K::Fragment, value);
    }

    for (ProgramText& t : all)
        t.text = normalizedText(t.text);
    return all;
}

} // namespace q716test
