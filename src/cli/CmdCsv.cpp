#include "Commands.h"

#include "channels/BandChange.h"
#include "channels/Vocabulary.h"
#include "files/ChannelFile.h"
#include "files/WholeFileSave.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "interchange/InterchangeTexts.h"
#include "state/InitDefaults.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

namespace q716::cli {

namespace {

constexpr int English = 1;
const QString ImportUsage = QStringLiteral("IN.csv OUT.DAT [--base BASE.DAT] [--band N]");

void report(const QString& file, const QString& text) {
    std::fprintf(stderr, "q716-cli: %s: %s\n", file.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
}

bool readFile(const QString& path, QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(path, f.errorString());
        return false;
    }
    bytes = f.readAll();
    return true;
}

// Every issue with its line, then the counts; the band hint names the
// option instead of the window's band list.
void printReport(const QString& file, const CsvImportPlan& plan) {
    for (const ImportIssue& issue : plan.issues)
        report(file, importIssueText(issue, English));
    QStringList summary = importSummaryLines(plan, English);
    if (plan.rowsOutsideBand > 0) {
        summary.removeLast();
        summary << QStringLiteral("Rows outside the band %2: %1.")
                       .arg(plan.rowsOutsideBand)
                       .arg(bandItem(plan.band));
        if (plan.bandHoldingAll)
            summary << QStringLiteral("--band %1 (%2) holds them all.")
                           .arg(*plan.bandHoldingAll)
                           .arg(bandItem(*plan.bandHoldingAll));
    }
    for (const QString& line : summary)
        report(file, line);
}

} // namespace

// A CSV channel list into a channel file: the list replaces the channel
// table of BASE (or of a freshly started program) in the band chosen.
int runImportCsv(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("BASE.DAT"));
    const QCommandLineOption bandOption(QStringLiteral("band"), QString(), QStringLiteral("N"));
    parser.addOption(base);
    parser.addOption(bandOption);
    const QString command = args.value(0);
    if (!parser.parse(args) || parser.positionalArguments().size() != 2)
        return usageError(command, ImportUsage);
    const QString in = parser.positionalArguments()[0];
    const QString out = parser.positionalArguments()[1];
    std::optional<int> band;
    if (parser.isSet(bandOption)) {
        bool number = false;
        band = parser.value(bandOption).toInt(&number);
        if (!number || *band < 0 || *band >= BandCount)
            return fail(QStringLiteral("--band"), QStringLiteral("a band position 0..%1, not '%2'")
                                                      .arg(BandCount - 1)
                                                      .arg(parser.value(bandOption)));
    }

    EditorState state = freshEditorState();
    if (parser.isSet(base)) {
        const FileResult opened = openChannelFile(state, parser.value(base), {});
        if (!opened.ok())
            return fail(parser.value(base), opened.reason);
    }
    QByteArray bytes;
    if (!readFile(in, bytes))
        return 1;
    const CsvChannelList list = readChannelCsv(bytes);
    if (list.refusal)
        return fail(in, importIssueText(*list.refusal, English));
    if (!band)
        band = firstBandHoldingAll(list).value_or(bestBandFor(list));
    std::printf("band %d: %s\n", *band, qPrintable(bandItem(*band)));

    selectBandWithoutQuestion(state.form1, *band);
    const CsvImportPlan plan = planCsvImport(list, *band);
    printReport(in, plan);
    if (plan.setsNothing())
        return 1;
    applyCsvImport(state.form1, plan, state.values.languageCode);
    printLoadedNotStored(out, state);
    const FileResult saved = saveChannelFile(state, out);
    if (!saved.ok())
        return fail(out, saved.reason);
    return plan.rowsSkipped > 0 ? 2 : 0;
}

// The channels of a channel file as a CSV channel list; each channel the
// list leaves out or changes is reported, and makes the status 2.
int runExportCsv(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 2, false, QStringLiteral("IN.DAT OUT.csv"), a))
        return 1;
    EditorState state = freshEditorState();
    const FileResult opened = openChannelFile(state, a.files[0], {});
    if (!opened.ok())
        return fail(a.files[0], opened.reason);
    std::vector<ExportIssue> issues;
    const QByteArray csv = exportChannelCsv(state.form1.grid, &issues);
    QString reason;
    if (!saveWholeFile(a.files[1], csv, reason))
        return fail(a.files[1], reason);
    for (const ExportIssue& issue : issues)
        report(a.files[0], exportIssueText(issue, English));
    return issues.empty() ? 0 : 2;
}

} // namespace q716::cli
