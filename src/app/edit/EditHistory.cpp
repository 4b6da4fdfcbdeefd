#include "edit/EditHistory.h"

#include <QUndoStack>

namespace q716 {

namespace {

// Typing into the password box is one step until another step comes.
constexpr int PasswordStepId = 1;

class SnapshotStep : public QUndoCommand {
  public:
    SnapshotStep(EditHistory& history, const EditorState& before, const EditorState& after,
                 StepName name, int languageCode)
        : history_(history), before_(before), after_(after), name_(std::move(name)) {
        retranslate(languageCode);
    }

    void retranslate(int languageCode) { setText(stepText(name_, languageCode)); }

    // The change is already made when the step is recorded.
    void redo() override {
        if (std::exchange(firstRedo_, false))
            return;
        history_.restore(after_);
    }
    void undo() override { history_.restore(before_); }

    int id() const override { return name_.step == EditStep::Password ? PasswordStepId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        after_ = static_cast<const SnapshotStep*>(other)->after_;
        return true;
    }

  private:
    EditHistory& history_;
    EditorState before_;
    EditorState after_;
    StepName name_;
    bool firstRedo_ = true;
};

} // namespace

EditHistory::EditHistory(EditorState& state, QObject* parent)
    : QObject(parent), state_(state), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(StepLimit);
}

void EditHistory::record(const EditorState& before, const StepName& name) {
    if (before == state_)
        return;
    stack_->push(new SnapshotStep(*this, before, state_, name, state_.values.languageCode));
}

void EditHistory::markSaved() {
    stack_->setClean();
}

bool EditHistory::hasUnsavedChanges() const {
    return !stack_->isClean();
}

void EditHistory::retranslate() {
    for (int i = 0; i < stack_->count(); ++i)
        static_cast<SnapshotStep*>(const_cast<QUndoCommand*>(stack_->command(i)))
            ->retranslate(state_.values.languageCode);
}

void EditHistory::restore(const EditorState& kept) {
    restoreEditorState(state_, kept);
    emit restored();
}

} // namespace q716
