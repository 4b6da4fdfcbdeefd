#include "channels/DropDownCombo.h"

namespace q716 {

void DropDownCombo::showPopup() {
    emit dropDown();
    QComboBox::showPopup();
}

} // namespace q716
