#pragma once
// The host of a read that must leave the editor alone (the check after a
// write, a comparison with the radio): a second session engine runs on it and
// it only keeps the image that arrived.

#include "link/SessionHost.h"

#include <functional>

namespace q716 {

class ScratchSessionHost : public SessionHost {
  public:
    explicit ScratchSessionHost(std::function<int()> languageCode)
        : languageCode_(std::move(languageCode)) {}

    // A read asks for the editor's image too, but never sends it.
    QString buildImage() override { return {}; }
    void loadImage(const QString& readHex) override { readHex_ = readHex; }
    QString passwordBoxText() const override { return {}; }
    QString commPassword() const override { return {}; }
    bool debugUnlocked() const override { return false; }
    bool adminMode() const override { return false; }
    int languageCode() const override { return languageCode_(); }

    // The read image text (0x0010..0x040F) of the last read that finished.
    const QString& readHex() const { return readHex_; }
    void clear() { readHex_.clear(); }

  private:
    std::function<int()> languageCode_;
    QString readHex_;
};

} // namespace q716
