#include "files/ChannelFile.h"

#include "files/WholeFileSave.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "image/LoadImage.h"

#include <QFile>
#include <QFileInfo>

namespace q716 {

ChannelFileRead readChannelFile(const QString& path) {
    ChannelFileRead read;
    const QFileInfo info(path);
    if (info.isDir()) {
        read.result = {FileStatus::CannotOpen, QStringLiteral("is a directory")};
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.result = {FileStatus::CannotOpen,
                       info.exists() ? file.errorString() : QStringLiteral("no such file")};
        return read;
    }
    return checkChannelFileBytes(file.read(ChannelFileReadBytes));
}

ChannelFileRead checkChannelFileBytes(const QByteArray& content) {
    ChannelFileRead read;
    const QByteArray bytes = content.left(ChannelFileReadBytes);
    if (bytes.size() < ChannelFileBytes) {
        read.result = {FileStatus::WrongType,
                       QStringLiteral("not a channel file (%1 bytes, a channel file has %2)")
                           .arg(bytes.size())
                           .arg(ChannelFileBytes)};
        return read;
    }
    if (!bytes.startsWith(ChannelFileSignature)) {
        read.result = {FileStatus::WrongType,
                       QStringLiteral("not a channel file (no NXR54 signature)")};
        return read;
    }
    read.imageHex = bytesToHex(bytes.mid(ChannelFileSignature.size()));
    return read;
}

Message wrongTypeMessage(int languageCode) {
    return {pickText(languageCode, QStringLiteral("文件类型不对，无法打开。"),
                     QStringLiteral("Document type not to open.")),
            MsgOk, QString()};
}

namespace {

FileResult openRead(EditorState& state, const ChannelFileRead& read, const MessageFn& show) {
    if (read.result.status == FileStatus::WrongType && show)
        show(wrongTypeMessage(state.values.languageCode));
    if (read.result.ok())
        LoadImage(state, read.imageHex, show);
    return read.result;
}

} // namespace

FileResult openChannelFile(EditorState& state, const QString& path, const MessageFn& show) {
    return openRead(state, readChannelFile(path), show);
}

FileResult openChannelFileBytes(EditorState& state, const QByteArray& content,
                                const MessageFn& show) {
    return openRead(state, checkChannelFileBytes(content), show);
}

QByteArray channelFileBytes(const EditorState& state) {
    return ChannelFileSignature + buildImageBytes(state);
}

FileResult saveChannelFile(const EditorState& state, const QString& path) {
    QString reason;
    if (!saveWholeFile(path, channelFileBytes(state), reason))
        return {FileStatus::CannotWrite, reason};
    return {};
}

} // namespace q716
