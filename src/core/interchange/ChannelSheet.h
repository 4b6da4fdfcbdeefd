#pragma once
// The printable channel sheet: what one page shows of the editor, in the
// language shown: the title, the file name, the channel table as the window
// shows it, and the model, band and function settings.

#include "state/EditorState.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace q716 {

struct ChannelSheet {
    QString title;
    QString fileLine;
    QStringList headings;          // the channel table's 9 headings
    std::vector<QStringList> rows; // 16 rows: channel number and the 8 cells
    QString settingsTitle;
    std::vector<std::pair<QString, QString>> settings; // label, value
};

// `fileName` is the channel file the table came from or went to; empty when
// there is none.
ChannelSheet channelSheet(const EditorState& state, const QString& fileName, int languageCode);

} // namespace q716
