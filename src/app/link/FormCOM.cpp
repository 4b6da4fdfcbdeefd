#include "link/FormCOM.h"

#include "link/PortScan.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QRadioButton>

namespace q716 {

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
    for (int i = 0; i < PortSlots; ++i) {
        OptionCOM[i]->setText(portCaption(i, devices));
        OptionCOM[i]->setEnabled(r.enabled[i]);
        updateTip(i);
    }
    state_.values.selectedPort = r.selectedPort;
    if (r.checkedIndex >= 0)
        OptionCOM[r.checkedIndex]->setChecked(true);
    if (r.openPort > 0) {
        comm_.setCommPort(r.openPort);
        comm_.open();
    }
    resize(343, 200); // 5145 x 3000 twips
}

void FormCOM::OptionCOM_Click(int index) {
    state_.values.selectedPort = index + 1;
    comm_.close();
    comm_.setCommPort(state_.values.selectedPort);
    comm_.open();
}

void FormCOM::updateTip(int index) {
    const PortOpenFailure& failure = failures_.value(index);
    OptionCOM[index]->setToolTip(failure.reason.isEmpty()
                                     ? QString()
                                     : portUnavailableTip(state_.values.languageCode, failure));
}

bool FormCOM::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        if (const int index = OptionCOM.indexOf(qobject_cast<QRadioButton*>(watched)); index >= 0)
            updateTip(index);
    return QDialog::eventFilter(watched, event);
}

void FormCOM::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace q716
