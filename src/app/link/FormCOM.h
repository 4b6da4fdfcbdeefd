#pragma once
// The port selection dialog: 20 option buttons COM1..COM20, enabled for the
// ports that open, and "Other device…" for a device the system does not list.
// Closing it only hides it. Each time it opens, and before a session on a
// closed port, it scans again and follows the chosen cable.

#include "link/MSComm1.h"
#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <optional>

class QRadioButton;

namespace q716 {

class FormCOM : public QDialog {
    Q_OBJECT
  public:
    FormCOM(MSComm1& comm, EditorState& state, QWidget* owner);

    // Form_Load: scans the ports and opens the remembered one, or the other
    // device remembered in the per-user settings.
    void Form_Load();
    // Click on OptionCOM(index).
    void OptionCOM_Click(int index);
    // Click on "Other device…": asks for a path, opens it and remembers it.
    void OptionOther_Click();

    // Scans again: the slots, which of them open, and where the chosen cable
    // is now; a cable that came back under another name is opened.
    void rescan();
    // Before a session on a closed port: scans again; when no cable is
    // there, the message to show instead of the port-not-open one.
    std::optional<Message> reconnect();
    // For the status line: the device the cable was found again on; empty
    // when there is nothing to say.
    QString notice() const;
    // The captions that carry devices, in the current language.
    void retranslate();

    // Test seam: asks for the other device's path (the current one given);
    // an empty answer is Cancel.
    using DeviceAsker = std::function<QString(const QString& current)>;
    void setDeviceAsker(DeviceAsker asker) { askDevice_ = std::move(asker); }

    QList<QRadioButton*> OptionCOM;
    QRadioButton* OptionOther = nullptr;

  signals:
    void noticeChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Writes a slot's tool tip in the current language just before it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The start-up rules, when no cable was chosen yet.
    void applyScan(const std::array<bool, PortSlots>& enabled);
    void useOtherDevice(const QString& location);
    void setNotice(std::optional<int> foundIndex);
    // The buttons show enabled_, checked_ and the gone marks.
    void showSlots();
    void updateTip(int index);
    int language() const { return state_.values.languageCode; }

    MSComm1& comm_;
    EditorState& state_;
    DeviceAsker askDevice_;
    std::array<bool, PortSlots> enabled_{};
    int checked_ = -1; // the checked button: a slot, OtherChecked, or -1 none
    // The chosen slot's device as it was last seen; none before a choice.
    std::optional<PortDevice> chosen_;
    bool chosenGone_ = false; // it is not there now (or the other device is not)
    int goneIndex_ = -1;      // the slot marked as gone
    int foundIndex_ = -1;     // the slot the cable came back in, for the status line
    // Why each slot's device could not be opened; empty reason: no tip.
    QList<PortOpenFailure> failures_;
};

} // namespace q716
