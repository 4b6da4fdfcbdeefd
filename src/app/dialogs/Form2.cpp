#include "dialogs/Form2.h"

#include "dialogs/DebugDialog.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace q716 {

namespace {
const QString Window = QStringLiteral("Form2");

QSlider* levelSlider(const QString& name, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(PowerLevelMinimum, PowerLevelMaximum);
    slider->setSingleStep(1);
    slider->setPageStep(PowerLevelPageStep);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setMinimumWidth(256);
    return slider;
}

// One frame: the slider with its ends named below it and the value beside it.
QGroupBox* levelFrame(const char* frame, QSlider* slider, const char* low, const char* high,
                      QLabel* value, QWidget* parent) {
    QGroupBox* box = designFrame(Window, QLatin1String(frame), parent);
    auto* grid = new QGridLayout(box);
    grid->addWidget(slider, 0, 0, 1, 2);
    grid->addWidget(value, 0, 2);
    grid->addWidget(designLabel(Window, QLatin1String(low), box), 1, 0, Qt::AlignLeft);
    grid->addWidget(designLabel(Window, QLatin1String(high), box), 1, 1, Qt::AlignRight);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}
} // namespace

Form2::Form2(EditorState& state, QWidget* mainWindow) : HidingDialog(Window, state, mainWindow) {
    loadStoredValues_ = &loadDebugDialog;
    setWindowTitle(dialogDesignText(Window, QString()));
    auto* main = new QVBoxLayout(this);
    Slider1 = levelSlider(QStringLiteral("Slider1"), this);
    Slider3 = levelSlider(QStringLiteral("Slider3"), this);
    Lblpower1 = designLabel(Window, QStringLiteral("Lblpower1"), this);
    Lblpower3 = designLabel(Window, QStringLiteral("Lblpower3"), this);
    main->addWidget(levelFrame("Frame1", Slider1, "Label3", "Label8", Lblpower1, this));
    main->addWidget(levelFrame("Frame2", Slider3, "Label6", "Label7", Lblpower3, this));

    auto* buttons = new QHBoxLayout;
    QPushButton* command1 = designButton(Window, QStringLiteral("Command1"), this);
    buttons->addStretch(1);
    buttons->addWidget(command1);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetMinimumSize);

    connect(Slider1, &QSlider::valueChanged, this, &Form2::Slider1_Scroll);
    connect(Slider3, &QSlider::valueChanged, this, &Form2::Slider3_Scroll);
    connect(command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::refreshFromState() {
    const DebugDialogState& d = state_.form2;
    Slider1->setEnabled(d.slidersEnabled);
    Slider3->setEnabled(d.slidersEnabled);
    const QSignalBlocker b1(Slider1), b3(Slider3);
    Slider1->setValue(d.slider1);
    Slider3->setValue(d.slider3);
    Lblpower1->setText(powerLevelText(d.slider1));
    Lblpower3->setText(powerLevelText(d.slider3));
}

void Form2::Slider1_Scroll(int value) {
    state_.form2.slider1 = value;
    Lblpower1->setText(powerLevelText(value));
}

void Form2::Slider3_Scroll(int value) {
    state_.form2.slider3 = value;
    Lblpower3->setText(powerLevelText(value));
}

void Form2::Command1_Click() {
    {
        const StepScope step(steps, {EditStep::DebugDialog});
        acceptDebugDialog(state_);
    }
    hide();
}

} // namespace q716
