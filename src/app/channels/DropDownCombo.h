#pragma once
// A drop-down list that reports the opening of its list, which the band list
// needs to record the band the table belongs to.

#include <QComboBox>

namespace q716 {

class DropDownCombo : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  signals:
    void dropDown();
};

} // namespace q716
