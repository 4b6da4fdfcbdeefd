#pragma once
// Every message of the program is a (text, style, title) triple shown through
// one routine; the core only decides the triple and reads back the answer.

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace q716 {

// The platform's message-box style words the program uses.
enum MsgStyle : int {
    MsgOk = 0,                            // OK, no icon
    MsgYesNoCancelQuestion = 35,          // Yes/No/Cancel, question icon
    MsgCritical = 16,                     // OK, error icon
    MsgYesNoQuestion = 36,                // Yes/No, question icon
    MsgInformation = 64,                  // OK, information icon
    MsgOkCancelExclamation = 305,         // OK/Cancel, exclamation, Cancel default
    MsgOkCancelQuestionSystemModal = 4385 // OK/Cancel, question, Cancel default, system-modal
};

// Result codes of the pressed button.
enum MsgResult : int {
    ResultOk = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7
};

struct Message {
    QString text;
    int style = MsgOk;
    QString title; // empty: the application title is used
    // Buttons that say what they do instead of the standard texts, by
    // result code (a Yes that reads "Save").
    std::vector<std::pair<int, QString>> buttonTexts = {};
    // A list that belongs to the message, shown beside it and scrollable
    // however long it is; empty for most messages.
    QString details = {};
};

// Shows a message and returns the result code of the pressed button.
using MessageFn = std::function<int(const Message&)>;

// Messages pick their Chinese text for language code 0 and English otherwise.
inline QString pickText(int languageCode, const QString& zh, const QString& en) {
    return languageCode == 0 ? zh : en;
}

// The application title, used for empty message titles and file dialogs.
inline const QString ApplicationTitle = QStringLiteral("Q716A");

// Button texts of the localised message box for language codes 0, 1 and 2;
// an empty text means the platform's own text is kept.
QString messageButtonText(int languageCode, int resultCode);

} // namespace q716
