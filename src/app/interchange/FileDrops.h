#pragma once
// Files dropped on the main window: a channel file (*.DAT) opens as File ->
// Open does, a channel list (*.csv) imports as File -> Import CSV does.

class QString;

namespace q716 {

class Form1;

// Lets `form` take drops of one such file.
void acceptFileDrops(Form1* form);

// What a dropped file is, by its suffix (any case).
enum class DroppedFileKind { None, ChannelFile, ChannelList };
DroppedFileKind droppedFileKind(const QString& path);

} // namespace q716
