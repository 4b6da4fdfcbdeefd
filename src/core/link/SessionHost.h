#pragma once
// What a session needs from the editor. Kept small so the engine can be driven
// by the real editor state or by a fake in tests.

#include <QString>

namespace q716 {

class SessionHost {
  public:
    virtual ~SessionHost() = default;
    // The memory image text of the editor (0x0010..0x035F, two hex digits per byte).
    virtual QString buildImage() = 0;
    // Spreads a read image text (0x0010..0x040F) over the editor.
    virtual void loadImage(const QString& readHex) = 0;
    // The text of the main window's password box.
    virtual QString passwordBoxText() const = 0;
    // The communication password the password change writes.
    virtual QString commPassword() const = 0;
    virtual bool debugUnlocked() const = 0;
    virtual bool adminMode() const = 0;
    virtual int languageCode() const = 0;
};

} // namespace q716
