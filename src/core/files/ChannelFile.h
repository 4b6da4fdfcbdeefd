#pragma once
// Channel files (*.DAT): the signature "NXR54" followed by the 848-byte
// memory image. Opening checks the signature and loads the image; saving
// builds the image and replaces the file atomically.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <QString>

namespace q716 {

inline const QByteArray ChannelFileSignature = QByteArrayLiteral("NXR54");
constexpr int ChannelFileBytes = 853;     // what a save writes
constexpr int ChannelFileReadBytes = 855; // what an open reads at most

enum class FileStatus {
    Ok,
    CannotOpen,  // missing, unreadable or a directory: the window stays silent
    WrongType,   // short file or wrong signature: the wrong-type message
    CannotWrite, // the save failed; any existing file is left as it was
};

struct FileResult {
    FileStatus status = FileStatus::Ok;
    QString reason; // for the command-line companion; empty when Ok
    bool ok() const { return status == FileStatus::Ok; }
};

struct ChannelFileRead {
    FileResult result;
    QString imageHex; // the hex digits after the signature (up to 850 bytes)
};

// Reads and checks a file without touching any editor.
ChannelFileRead readChannelFile(const QString& path);

// The same checks on a file's content (only its first 855 bytes count).
ChannelFileRead checkChannelFileBytes(const QByteArray& content);

// "Document type not to open." / "文件类型不对，无法打开。", OK, empty title.
Message wrongTypeMessage(int languageCode);

// The Open command after the file dialog: reads the file and loads it into
// `state`. A wrong type shows wrongTypeMessage through `show`; every failure
// leaves `state` untouched. `show` also receives the scan-priority messages
// of the load.
FileResult openChannelFile(EditorState& state, const QString& path, const MessageFn& show);

// The Open command on a file's content already read: as openChannelFile from
// the signature check on.
FileResult openChannelFileBytes(EditorState& state, const QByteArray& content,
                                const MessageFn& show);

// The 853 bytes a save writes for `state`.
QByteArray channelFileBytes(const EditorState& state);

// The Save command after the file dialog and the overwrite question: writes
// the file in one piece (exactly 853 bytes; a failed save leaves any existing
// file unchanged).
FileResult saveChannelFile(const EditorState& state, const QString& path);

} // namespace q716
