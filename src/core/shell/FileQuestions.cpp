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

Message quitQuestion(int languageCode) {
    const QString table = QStringLiteral("QuitQuestion");
    const auto button = [&](const char* control) {
        return tableCaption(table, QString::fromLatin1(control), languageCode);
    };
    return {pickText(languageCode,
                     QStringLiteral("编辑器中有尚未保存到信道文件的改动。退出前要保存吗？"),
                     QStringLiteral("The editor has changes that no channel file holds yet. Save "
                                    "them before quitting?")),
            MsgYesNoCancelQuestion,
            QString(),
            {{ResultYes, button("SaveButton")},
             {ResultNo, button("DiscardButton")},
             {ResultCancel, button("CancelButton")}}};
}

} // namespace q716
