#include "ShotPlan.h"

#include "channels/CellRules.h"
#include "shell/Form1.h"

namespace q716test {

void fillShotPlan(q716::Form1& w) {
    using namespace q716;
    struct Plan {
        const char* rx;
        const char* tx;
        int rxTone;
        int txTone;
        int power;
    };
    const Plan plans[] = {{"435.12500", "435.12500", 13, 13, 1},
                          {"438.50000", "430.90000", 0, 9, 1},
                          {"446.00625", "446.00625", 60, 60, 0},
                          {"462.56250", "467.56250", 0, 0, 1},
                          {"409.75000", "409.75000", 200, 200, 0}};
    int row = 1;
    for (const Plan& p : plans) {
        commitFrequencyAt(w.state.form1, row, 1, QString::fromLatin1(p.rx), 0);
        commitFrequencyAt(w.state.form1, row, 3, QString::fromLatin1(p.tx), 0);
        chooseToneItem(w.state.form1.grid, row, 2, p.rxTone, 0);
        chooseToneItem(w.state.form1.grid, row, 4, p.txTone, 0);
        chooseFlagItem(w.state.form1.grid, row, 5, p.power, 0);
        ++row;
    }
    w.refreshFromState();
}

} // namespace q716test
