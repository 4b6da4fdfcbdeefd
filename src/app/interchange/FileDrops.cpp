#include "interchange/FileDrops.h"

#include "shell/Form1.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace q716 {

namespace {

// The one local file a drag carries, if it is one the window takes.
QString droppedPath(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().front();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    return droppedFileKind(path) == DroppedFileKind::None ? QString() : path;
}

class FileDropFilter : public QObject {
  public:
    explicit FileDropFilter(Form1* form) : QObject(form), form_(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (droppedPath(drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedPath(drop->mimeData());
            if (path.isEmpty())
                return false;
            drop->acceptProposedAction();
            // The drag ends first; the questions and the report come after.
            QTimer::singleShot(0, form_, [form = form_, path] {
                if (droppedFileKind(path) == DroppedFileKind::ChannelFile)
                    form->openChannelFileNamed(path);
                else
                    form->importCsvFileNamed(path);
            });
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

  private:
    Form1* form_;
};

} // namespace

DroppedFileKind droppedFileKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
        return DroppedFileKind::ChannelFile;
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return DroppedFileKind::ChannelList;
    return DroppedFileKind::None;
}

void acceptFileDrops(Form1* form) {
    form->setAcceptDrops(true);
    form->installEventFilter(new FileDropFilter(form));
}

} // namespace q716
