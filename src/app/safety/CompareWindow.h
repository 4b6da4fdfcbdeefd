#pragma once
// The differences between the editor and the radio or a channel file, one row
// per field: channel, field, the editor's value and the other side's. It
// shows them in the program's language and follows a switch while open.

#include "compare/EditorDiff.h"
#include "compare/WriteVerify.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace q716 {

class CompareWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Other { Radio, File };
    static constexpr int RadioColumn = 3;
    static constexpr int FileColumn = 4;

    CompareWindow(const EditorState& editorState, QWidget* owner);

    // Both states as stateAsImage / stateOfImage make them; `source` names
    // the file compared with (empty for the radio). `bytes`: what the radio
    // holds that no value stands for, listed after the values.
    void showDifferences(const EditorState& editor, const EditorState& other, Other kind,
                         const QString& source, const QList<ByteMismatch>& bytes = {});

    QTableWidget* CompareList = nullptr;
    QLabel* NoDifferences = nullptr;
    QLabel* Source = nullptr;
    QPushButton* CloseButton = nullptr;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void render();

    const EditorState& editorState_; // for the language shown
    EditorState left_;
    EditorState right_;
    QList<ByteMismatch> bytes_;
    Other kind_ = Other::Radio;
};

} // namespace q716
