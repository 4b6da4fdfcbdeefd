#include "files/FileDialogs.h"

#include "shell/Messages.h"

#include <QFileDialog>

namespace q716 {

namespace {
FileDialogAnswerer g_answerer;
}

void setFileDialogAnswerer(FileDialogAnswerer answerer) {
    g_answerer = std::move(answerer);
}

QString channelFileFilter() {
    return ApplicationTitle + QStringLiteral("(*.DAT)");
}

QString chooseChannelFileToOpen(QWidget* parent) {
    if (g_answerer)
        return g_answerer(FileDialogKind::Open, channelFileFilter());
    return QFileDialog::getOpenFileName(parent, ApplicationTitle, QString(), channelFileFilter());
}

QString chooseChannelFileToSave(QWidget* parent) {
    if (g_answerer)
        return g_answerer(FileDialogKind::Save, channelFileFilter());
    return QFileDialog::getSaveFileName(parent, ApplicationTitle, QString(), channelFileFilter(),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
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
    return QFileDialog::getSaveFileName(parent, ApplicationTitle, QString(), filter);
}

QString chooseFileToSave(QWidget* parent, const QString& filter) {
    if (g_answerer)
        return g_answerer(FileDialogKind::Save, filter);
    return QFileDialog::getSaveFileName(parent, ApplicationTitle, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace q716
