#include "shell/Messages.h"

namespace q716 {

QString messageButtonText(int languageCode, int resultCode) {
    // Rows: OK, Cancel, Abort, Retry, Ignore, Yes, No (result codes 1..7).
    static const char* const texts[3][7] = {
        {"确定", "取消", "放弃", "重试", "忽略", "是", "否"},
        {"OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"},
        {"確定", "取消", "放棄", "重試", "忽略", "是", "否"},
    };
    if (languageCode < 0 || languageCode > 2 || resultCode < 1 || resultCode > 7)
        return {};
    return QString::fromUtf8(texts[languageCode][resultCode - 1]);
}

} // namespace q716
