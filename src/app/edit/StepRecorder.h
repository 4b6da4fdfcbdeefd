#pragma once
// Where the windows hand their changes to become undoable steps: a scope
// keeps the editor as it was and, when it ends, records the step if the
// editor changed.

#include "channels/EditSteps.h"
#include "state/EditorState.h"

namespace q716 {

class StepRecorder {
  public:
    virtual ~StepRecorder() = default;
    virtual const EditorState& currentState() const = 0;
    // `before` is the editor before the step; nothing is recorded when the
    // editor is the same now.
    virtual void record(const EditorState& before, const StepName& name) = 0;
};

// One undoable step around a handler's change; a null recorder records
// nothing (dialogs built without a main window, in tests).
class StepScope {
  public:
    StepScope(StepRecorder* recorder, StepName name) : recorder_(recorder), name_(std::move(name)) {
        if (recorder_)
            before_ = recorder_->currentState();
    }
    ~StepScope() {
        if (recorder_)
            recorder_->record(before_, name_);
    }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

  private:
    StepRecorder* recorder_;
    StepName name_;
    EditorState before_;
};

} // namespace q716
