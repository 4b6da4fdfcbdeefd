#include "link/FormCOM.h"

#include "link/PortScan.h"

#include <QCloseEvent>
#include <QFileInfo>
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
        OptionCOM.append(b);
    }
}

void FormCOM::Form_Load() {
    const QList<PortDevice> devices = MSComm1::systemSlots();
    comm_.setSlots(devices);
    QList<QString> tips(PortSlots);
    const PortScanResult r = scanPorts(state_.values.selectedPort, [&](int n) {
        comm_.close();
        comm_.setCommPort(n);
        QString why;
        bool permission = false;
        const bool ok = comm_.open(&why, &permission);
        comm_.close();
        if (!ok && n <= devices.size())
            tips[n - 1] =
                portUnavailableTip(why, permission, QFileInfo(devices.at(n - 1).location).group());
        return ok;
    });
    for (int i = 0; i < PortSlots; ++i) {
        OptionCOM[i]->setText(portCaption(i, devices));
        OptionCOM[i]->setEnabled(r.enabled[i]);
        OptionCOM[i]->setToolTip(tips[i]);
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

void FormCOM::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace q716
