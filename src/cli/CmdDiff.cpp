#include "Commands.h"
#include "JsonDiff.h"
#include "LinkOptions.h"
#include "StateJson.h"

#include "compare/EditorFields.h"
#include "compare/StoredValues.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "state/InitDefaults.h"

#include <QEventLoop>
#include <cstdio>

namespace q716::cli {

namespace {

constexpr int DifferentStatus = 4;

// A channel file's image as the program's Open reads it.
bool fileImage(const QString& path, QByteArray& image) {
    const ChannelFileRead file = readChannelFile(path);
    if (!file.result.ok()) {
        fail(path, file.result.reason);
        return false;
    }
    image = hexToBytes(file.imageHex);
    return true;
}

// Reads the radio's image; false (with the reason on stderr) when that failed.
bool readRadio(PortJob& job) {
    QEventLoop loop;
    QObject::connect(&job, &PortJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (!job.note().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(job.note()));
    if (job.succeeded())
        return true;
    if (job.hungUp())
        std::fprintf(stderr, "Serial port %s hung up (cable unplugged or the other end closed).\n",
                     qPrintable(job.device()));
    std::fprintf(stderr, "%s\n", qPrintable(job.result()));
    return false;
}

// The radio's password stays off the terminal (and out of pasted output)
// unless asked for: its line shows as many asterisks as it has characters,
// as the window does.
void maskPassword(QStringList& lines, const QString& left, const QString& right) {
    const QString key = QStringLiteral("password: ");
    for (QString& line : lines)
        if (line.startsWith(key))
            line = key + QStringLiteral("\"%1\" -> \"%2\"")
                             .arg(QString(left.size(), QLatin1Char('*')),
                                  QString(right.size(), QLatin1Char('*')));
}

} // namespace

// diff A.DAT B.DAT, or diff --port DEV FILE (the file against the radio):
// the fields that differ, one line each with dump's key names, the password
// masked unless --show-password, and against a radio the bytes a write of
// FILE would change besides. Exit status 0 when nothing differs, 4 when
// something does, 1 on any error.
int runDiff(const QStringList& args) {
    LinkOptions o;
    if (!parseLinkOptions(args, LinkCommand::Diff, o))
        return 1;
    const int lang = o.english ? 1 : 0;
    QByteArray left, right;
    if (!fileImage(o.files.first(), left))
        return 1;
    if (o.ports.isEmpty()) {
        if (!fileImage(o.files.at(1), right))
            return 1;
    } else {
        EditorState scratch = freshEditorState();
        scratch.values.languageCode = lang;
        PortJob job(o.ports.first(), scratch, o.jobOptions(JobKind::ScratchRead));
        const bool read = readRadio(job);
        if (!saveLog(o, {&job}) || !read)
            return 1;
        right = job.imageRead();
    }
    const EditorState file = stateOfImage(left, lang);
    const EditorState other = stateOfImage(right, lang);
    QStringList lines = jsonDifferences(stateToJson(file, lang), stateToJson(other, lang));
    if (!o.showPassword)
        maskPassword(lines, file.values.commPassword, other.values.commPassword);
    // The radio's bytes that no value stands for: a write of FILE changes
    // them although every value above is the same.
    if (!o.ports.isEmpty())
        lines << bytesAWriteChangesLines(bytesAWriteChanges(right, buildImageBytes(file), false,
                                                            compareStates(file, other, lang)),
                                         file, lang);
    for (const QString& line : lines)
        std::printf("%s\n", line.toUtf8().constData());
    return lines.isEmpty() ? 0 : DifferentStatus;
}

} // namespace q716::cli
