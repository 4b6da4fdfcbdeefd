#include "Commands.h"

#include "SystemPorts.h"

#include <cstdio>

namespace q716::cli {

namespace {

constexpr int EnglishLanguage = 1;

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : text;
}

QString usbIds(const PortDevice& d) {
    if (d.vendorId < 0)
        return QStringLiteral("-");
    return QStringLiteral("%1:%2")
        .arg(d.vendorId, 4, 16, QLatin1Char('0'))
        .arg(d.productId, 4, 16, QLatin1Char('0'));
}

QString opens(const PortDevice& d) {
    if (!d.present)
        return QStringLiteral("no: not there");
    PortOpenFailure failure;
    if (canOpenPort(d.location, &failure))
        return QStringLiteral("yes");
    return QStringLiteral("no: ") + portProblemText(EnglishLanguage, failure);
}

} // namespace

// The ports as the port dialog lists them, one line each, in columns.
int runPorts(const QStringList& args) {
    ParsedArgs a;
    if (!parseArgs(args, 0, false, {}, a))
        return 1;
    QList<QStringList> rows{{"SLOT", "DEVICE", "BY-ID", "USB", "SERIAL", "OPENS"}};
    const QList<PortDevice> ports = systemPortSlots();
    for (int i = 0; i < ports.size() && i < PortSlots; ++i) {
        const PortDevice& d = ports[i];
#ifdef Q_OS_WIN
        if (!d.present)
            continue;
#endif
        rows.append({QStringLiteral("COM%1").arg(i + 1), d.location, orDash(d.byIdLink), usbIds(d),
                     orDash(d.serialNumber), opens(d)});
    }
    if (rows.size() == 1) {
        std::fprintf(stderr, "q716-cli: no serial port found; plug the programming cable in\n");
        return 0;
    }
    QList<qsizetype> widths(rows.first().size());
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c].leftJustified(widths[c] + 2) : row[c];
        std::printf("%s\n", qPrintable(line));
    }
    return 0;
}

} // namespace q716::cli
