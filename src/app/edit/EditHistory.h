#pragma once
// The undo stack of the editor. Each step keeps the whole editor before and
// after it and puts one of them back on undo and redo, so both are exact by
// construction. Step names follow the language shown.

#include "edit/StepRecorder.h"

#include <QObject>

class QUndoStack;

namespace q716 {

class EditHistory : public QObject, public StepRecorder {
    Q_OBJECT
  public:
    static constexpr int StepLimit = 100;

    EditHistory(EditorState& state, QObject* parent);

    QUndoStack* stack() const { return stack_; }

    const EditorState& currentState() const override { return state_; }
    void record(const EditorState& before, const StepName& name) override;

    // The editor as it is now is what the last channel file holds.
    void markSaved();
    bool hasUnsavedChanges() const;

    // Step names again, after a language switch.
    void retranslate();

    // Puts a kept editor back (used by the steps).
    void restore(const EditorState& kept);

  signals:
    // Undo or redo changed the editor: the windows show it again.
    void restored();

  private:
    EditorState& state_;
    QUndoStack* stack_;
};

} // namespace q716
