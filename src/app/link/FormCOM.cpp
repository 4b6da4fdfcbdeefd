#include "link/FormCOM.h"

#include "SystemPorts.h"
#include "link/PortScan.h"
#include "link/PortTexts.h"
#include "shell/LocalMsgBox.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QRadioButton>
#include <QSettings>
#include <QShowEvent>

namespace q716 {

namespace {

// The per-user setting that keeps a device typed under "Other device…"; the
// parameter file has room for a port number only.
const QString OtherDeviceKey = QStringLiteral("otherPortDevice");
constexpr int OtherChecked = PortSlots;

} // namespace

FormCOM::FormCOM(MSComm1& comm, EditorState& state, QWidget* owner)
    : QDialog(owner), comm_(comm), state_(state) {
    setObjectName(QStringLiteral("FormCOM"));
    setWindowTitle(QStringLiteral("Com"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < PortSlots; ++i) {
        auto* b = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), this);
        b->setObjectName(QStringLiteral("OptionCOM"));
        b->setProperty("index", i);
        grid->addWidget(b, i / 5, i % 5);
        connect(b, &QRadioButton::clicked, this, [this, i] { OptionCOM_Click(i); });
        b->installEventFilter(this);
        OptionCOM.append(b);
    }
    OptionOther = new QRadioButton(porttext::otherDeviceCaption(0, {}), this);
    OptionOther->setObjectName(QStringLiteral("OptionOther"));
    grid->addWidget(OptionOther, PortSlots / 5, 0, 1, 5, Qt::AlignLeft);
    connect(OptionOther, &QRadioButton::clicked, this, &FormCOM::OptionOther_Click);
    OptionOther->installEventFilter(this);
    askDevice_ = [this](const QString& current) {
        bool ok = false;
        const QString path = QInputDialog::getText(this, porttext::otherDeviceTitle(language()),
                                                   porttext::otherDevicePrompt(language()),
                                                   QLineEdit::Normal, current, &ok);
        return ok ? path : QString();
    };
    // A cable pulled out is no longer where it was found again.
    connect(&comm_, &MSComm1::hungUp, this, [this] { setNotice(std::nullopt); });
}

void FormCOM::Form_Load() {
    const QList<PortDevice> devices = MSComm1::systemSlots();
    comm_.setSlots(devices);
    failures_ = QList<PortOpenFailure>(PortSlots);
    const PortScanResult r = scanPorts(state_.values.selectedPort, [&](int n) {
        comm_.close();
        comm_.setCommPort(n);
        PortOpenFailure failure;
        const bool ok = comm_.open(&failure);
        comm_.close();
        if (!ok && n <= devices.size())
            failures_[n - 1] = failure;
        return ok;
    });
    enabled_ = r.enabled;
    state_.values.selectedPort = r.selectedPort;
    checked_ = r.checkedIndex;
    if (r.openPort > 0) {
        comm_.setCommPort(r.openPort);
        if (comm_.open())
            chosen_ = comm_.device();
    }
    const QString other = QSettings().value(OtherDeviceKey).toString();
    if (!other.isEmpty())
        useOtherDevice(other);
    showSlots();
    resize(343, 200); // 5145 x 3000 twips
}

void FormCOM::applyScan(const std::array<bool, PortSlots>& enabled) {
    const PortScanResult r =
        scanPorts(state_.values.selectedPort, [&](int n) { return enabled[n - 1]; });
    state_.values.selectedPort = r.selectedPort;
    checked_ = r.checkedIndex;
    if (r.openPort > 0) {
        comm_.close();
        comm_.setCommPort(r.openPort);
        if (comm_.open())
            chosen_ = comm_.device();
    }
}

void FormCOM::rescan() {
    const bool other = !comm_.otherDevice().isEmpty();
    const PortRescan r = rescanPorts(MSComm1::systemSlots(), other ? std::nullopt : chosen_,
                                     state_.values.selectedPort - 1);
    comm_.setSlots(r.devices);
    failures_ = QList<PortOpenFailure>(PortSlots);
    enabled_ = {};
    for (int i = 0; i < r.devices.size(); ++i) {
        const PortDevice& d = r.devices[i];
        // The port in use opens; trying it again would fail as in use.
        if (comm_.isOpen() && sameDevice(d.location, comm_.openLocation()))
            enabled_[i] = true;
        else if (d.present)
            enabled_[i] = canOpenPort(d.location, &failures_[i]);
    }
    goneIndex_ = -1;
    chosenGone_ = false;
    if (other) {
        chosenGone_ = !devicePresent(comm_.otherDevice());
        if (!comm_.isOpen() && !chosenGone_)
            comm_.open();
    } else if (!chosen_) {
        applyScan(enabled_);
    } else {
        chosenGone_ = r.chosenGone;
        if (r.chosenIndex >= 0)
            state_.values.selectedPort = r.chosenIndex + 1;
        if (checked_ >= 0)
            checked_ = r.chosenIndex;
        if (r.chosenGone) {
            goneIndex_ = r.chosenIndex;
            comm_.close();
        } else {
            chosen_ = r.devices[r.chosenIndex];
            comm_.setCommPort(r.chosenIndex + 1);
            if (comm_.openLocation() != chosen_->location)
                comm_.open();
        }
    }
    showSlots();
    if (r.moved)
        setNotice(r.chosenIndex);
}

std::optional<Message> FormCOM::reconnect() {
    rescan();
    if (comm_.isOpen())
        return std::nullopt;
    if (chosenGone_)
        return porttext::cableGone(language(), comm_.otherDevice().isEmpty()
                                                   ? portLabel(goneIndex_, *chosen_)
                                                   : comm_.otherDevice());
    for (const PortDevice& d : comm_.portSlots())
        if (d.present)
            return std::nullopt;
    return comm_.otherDevice().isEmpty() ? std::optional(porttext::noCable(language()))
                                         : std::nullopt;
}

void FormCOM::OptionCOM_Click(int index) {
    state_.values.selectedPort = index + 1;
    comm_.close();
    comm_.setOtherDevice({});
    QSettings().remove(OtherDeviceKey);
    comm_.setCommPort(state_.values.selectedPort);
    comm_.open();
    const PortDevice d = comm_.device();
    chosen_ = d.location.isEmpty() ? std::nullopt : std::optional(d);
    checked_ = index;
    chosenGone_ = false;
    goneIndex_ = -1;
    showSlots();
    setNotice(std::nullopt);
}

void FormCOM::OptionOther_Click() {
    const QString path = askDevice_(comm_.otherDevice()).trimmed();
    if (path.isEmpty()) {
        showSlots();
        return;
    }
    const QString before = comm_.otherDevice();
    const bool wasOpen = comm_.isOpen();
    comm_.close();
    comm_.setOtherDevice(path);
    PortOpenFailure failure;
    if (!comm_.open(&failure)) {
        comm_.setOtherDevice(before);
        if (wasOpen)
            comm_.open();
        showSlots();
        LocalMsgBox(
            porttext::otherDeviceRefused(language(), path, portProblemText(language(), failure)));
        return;
    }
    useOtherDevice(path);
    showSlots();
    setNotice(std::nullopt);
}

void FormCOM::useOtherDevice(const QString& location) {
    QSettings().setValue(OtherDeviceKey, location);
    if (comm_.openLocation() != location) {
        comm_.close();
        comm_.setOtherDevice(location);
        comm_.open();
    }
    checked_ = OtherChecked;
    chosenGone_ = false;
    goneIndex_ = -1;
}

void FormCOM::setNotice(std::optional<int> foundIndex) {
    const int index = foundIndex.value_or(-1);
    if (index == foundIndex_)
        return;
    foundIndex_ = index;
    emit noticeChanged();
}

QString FormCOM::notice() const {
    if (foundIndex_ < 0 || !chosen_)
        return {};
    return porttext::cableFound(language(), portLabel(foundIndex_, *chosen_));
}

void FormCOM::showSlots() {
    for (int i = 0; i < PortSlots; ++i) {
        OptionCOM[i]->setEnabled(enabled_[i]);
        updateTip(i);
    }
    // Unchecking a button of an exclusive group takes leaving the group for a moment.
    QList<QRadioButton*> buttons = OptionCOM;
    buttons.append(OptionOther);
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked() == (i == checked_))
            continue;
        buttons[i]->setAutoExclusive(false);
        buttons[i]->setChecked(i == checked_);
        buttons[i]->setAutoExclusive(true);
    }
    retranslate();
}

void FormCOM::retranslate() {
    const QList<PortDevice>& devices = comm_.portSlots();
    for (int i = 0; i < PortSlots; ++i) {
        const QString caption = portCaption(i, devices);
        OptionCOM[i]->setText(i == goneIndex_ ? porttext::goneCaption(language(), caption)
                                              : caption);
    }
    const QString other = porttext::otherDeviceCaption(language(), comm_.otherDevice());
    OptionOther->setText(chosenGone_ && !comm_.otherDevice().isEmpty()
                             ? porttext::goneCaption(language(), other)
                             : other);
    emit noticeChanged();
}

void FormCOM::updateTip(int index) {
    const PortOpenFailure& failure = failures_.value(index);
    if (index == goneIndex_ && chosen_)
        OptionCOM[index]->setToolTip(
            porttext::cableGone(language(), portLabel(index, *chosen_)).text);
    else
        OptionCOM[index]->setToolTip(
            failure.reason.isEmpty() ? QString() : portUnavailableTip(language(), failure));
}

void FormCOM::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        rescan();
    QDialog::showEvent(event);
}

bool FormCOM::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (const int index = OptionCOM.indexOf(qobject_cast<QRadioButton*>(watched)); index >= 0)
            updateTip(index);
        if (watched == OptionOther)
            OptionOther->setToolTip(chosenGone_ && !comm_.otherDevice().isEmpty()
                                        ? porttext::cableGone(language(), comm_.otherDevice()).text
                                        : QString());
    }
    return QDialog::eventFilter(watched, event);
}

void FormCOM::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace q716
