#include "files/FileDialogs.h"

#include "shell/Messages.h"

#include <QFileDialog>
#include <QFileInfo>

namespace q716 {

namespace {

FileDialogAnswerer g_answerer;

// The first suffix a filter names: "csv" of "CSV (*.csv *.CSV)".
QString filterSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return QString();
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(star + 2, end - star - 2);
}

} // namespace

void setFileDialogAnswerer(FileDialogAnswerer answerer) {
    g_answerer = std::move(answerer);
}

QString channelFileFilter() {
    return ApplicationTitle + QStringLiteral("(*.DAT)");
}

QString chooseChannelFileToOpen(QWidget* parent, const QString& start) {
    if (g_answerer)
        return g_answerer(FileDialogKind::Open, channelFileFilter());
    return QFileDialog::getOpenFileName(parent, ApplicationTitle, start, channelFileFilter());
}

QString chooseChannelFileToSave(QWidget* parent, const QString& start) {
    const QString path =
        g_answerer
            ? g_answerer(FileDialogKind::Save, channelFileFilter())
            : QFileDialog::getSaveFileName(parent, ApplicationTitle, start, channelFileFilter(),
                                           nullptr, QFileDialog::DontConfirmOverwrite);
    // A name without a suffix gets ".DAT", so that Open's filter shows it.
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".DAT");
}

QString csvFileFilter() {
    return QStringLiteral("CSV (*.csv *.CSV)");
}

QString pdfFileFilter() {
    return QStringLiteral("PDF (*.pdf)");
}

QString chooseFile(QWidget* parent, FileDialogKind kind, const QString& filter) {
    if (g_answerer)
        return g_answerer(kind, filter);
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(parent, ApplicationTitle, QString(), filter);
    // The dialog adds the suffix itself, so its overwrite question sees the
    // name that is written.
    QFileDialog dialog(parent, ApplicationTitle, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(filterSuffix(filter));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString chooseFileToSave(QWidget* parent, const QString& filter) {
    if (g_answerer)
        return g_answerer(FileDialogKind::Save, filter);
    return QFileDialog::getSaveFileName(parent, ApplicationTitle, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace q716
