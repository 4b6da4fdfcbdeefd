#pragma once
// The channel table's tone editor Combo8: an editable list whose edit field
// holds exactly what the user typed. Qt's completion would turn a typed 88
// into the list's 88.5, so there is none. The list opens on the cell's own
// entry (or on none), and the first character typed after opening replaces
// the cell's text, as in the frequency editor.

#include <QComboBox>

namespace q716 {

class ToneEditor : public QComboBox {
    Q_OBJECT
  public:
    explicit ToneEditor(QWidget* parent = nullptr);

    // Shows a cell's text in the edit field and makes the list's current
    // entry the item with that text, or none when no item has it.
    void load(const QString& text);

    // Types one character the key filter let through (backspace is QChar(8)).
    // The first one after load() replaces the loaded text, unless the user
    // has placed the cursor since.
    void type(QChar key);

    // The list's current entry is still the one load() chose: Enter on such a
    // list chooses nothing.
    bool listUntouched() const;

    void showPopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int loadedItem_ = -1;
    bool replaceOnType_ = false;
};

} // namespace q716
