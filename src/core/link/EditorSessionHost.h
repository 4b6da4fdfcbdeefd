#pragma once
// The session host over the real editor state. The image codec is passed in
// so the link does not depend on how the image is built or spread.

#include "link/SessionHost.h"
#include "state/EditorState.h"

#include <functional>

namespace q716 {

class EditorSessionHost : public SessionHost {
  public:
    using BuildFn = std::function<QString(const EditorState&)>;
    using LoadFn = std::function<void(EditorState&, const QString&)>;

    EditorSessionHost(EditorState& state, BuildFn build, LoadFn load)
        : state_(state), build_(std::move(build)), load_(std::move(load)) {}

    QString buildImage() override { return build_(state_); }
    void loadImage(const QString& readHex) override { load_(state_, readHex); }
    QString passwordBoxText() const override { return state_.form1.text2; }
    QString commPassword() const override { return state_.values.commPassword; }
    bool debugUnlocked() const override { return state_.values.debugUnlocked; }
    bool adminMode() const override { return state_.values.adminMode; }
    int languageCode() const override { return state_.values.languageCode; }

  private:
    EditorState& state_;
    BuildFn build_;
    LoadFn load_;
};

} // namespace q716
