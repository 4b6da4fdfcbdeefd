#include "shell/FileQuestions.h"

#include "shell/CaptionTables.h"

namespace q716 {

Message overwriteQuestion(int languageCode) {
    return {pickText(languageCode, QStringLiteral("该文件已存在，是否覆盖？"),
                     QStringLiteral("This file already exists, whether to cover?")),
            MsgYesNoQuestion, QString()};
}

Message saveFailedMessage(int languageCode) {
    return {pickText(languageCode, QStringLiteral("文件无法写入，数据未保存。"),
                     QStringLiteral("The file could not be written; nothing was saved.")),
            MsgCritical, QString()};
}

Message unsavedChangesQuestion(ReplacingCommand command, int languageCode) {
    const QString table = QStringLiteral("QuitQuestion");
    const auto button = [&](const char* control) {
        return tableCaption(table, QString::fromLatin1(control), languageCode);
    };
    const auto question = [&]() -> std::pair<const char*, const char*> {
        switch (command) {
        case ReplacingCommand::New:
            return {"清除信道前要保存吗？", "Save them before the channels are cleared?"};
        case ReplacingCommand::Open:
            return {"打开另一个文件前要保存吗？", "Save them before another file is opened?"};
        case ReplacingCommand::Read:
            return {"读频前要保存吗？", "Save them before the radio's contents replace them?"};
        case ReplacingCommand::Quit:
            break;
        }
        return {"退出前要保存吗？", "Save them before quitting?"};
    }();
    return {pickText(languageCode,
                     QStringLiteral("编辑器中有尚未保存到信道文件的改动。") +
                         QString::fromUtf8(question.first),
                     QStringLiteral("The editor has changes that no channel file holds yet. ") +
                         QString::fromUtf8(question.second)),
            MsgYesNoCancelQuestion,
            QString(),
            {{ResultYes, button("SaveButton")},
             {ResultNo, button("DiscardButton")},
             {ResultCancel, button("CancelButton")}}};
}

Message closeDuringSessionQuestion(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("正在与对讲机通信。仍要退出吗？退出前会先结束通信，"
                                    "对讲机不会停留在编程状态。"),
                     QStringLiteral("A session with the radio is running. Quit anyway? The "
                                    "session is ended first, so the radio does not stay in "
                                    "programming mode.")),
            MsgOkCancelExclamation, QString()};
}

} // namespace q716
