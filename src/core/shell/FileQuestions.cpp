#include "shell/FileQuestions.h"

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

} // namespace q716
