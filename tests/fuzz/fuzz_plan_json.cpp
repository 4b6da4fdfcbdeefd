// JSON channel plans: arbitrary bytes through the plan reader of
// `q716-cli build`.
//  - a refused plan gives a reason;
//  - an accepted plan builds to 1696 hex digits and the editor holds only
//    values its controls can show;
//  - dump then build gives the same file: the built file, opened and dumped in
//    either language, is an accepted plan that builds the same 853 bytes.

#include "FuzzCheck.h"
#include "FuzzEditor.h"
#include "PlanReader.h"
#include "StateJson.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <QJsonDocument>
#include <cstdint>
#include <cstdio>

using namespace q716;
using namespace q716::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    const cli::PlanRead plan = cli::readPlan(json);
    if (!plan.ok) {
        Q716_FUZZ_CHECK(!plan.reason.isEmpty(), "a refused plan gives a reason");
        return 0;
    }
    Q716_FUZZ_CHECK(plan.reason.isEmpty(), "an accepted plan gives no reason");
    checkEditorInRange(plan.state);
    Q716_FUZZ_CHECK(isImageText(BuildImage(plan.state)), "a plan builds to 1696 hex digits");

    const QByteArray file = channelFileBytes(plan.state);
    Q716_FUZZ_CHECK(file.size() == ChannelFileBytes, "a plan's file has 853 bytes");
    for (int language : {0, 1}) {
        EditorState opened = freshEditorState();
        MessageLog log;
        Q716_FUZZ_CHECK(openChannelFileBytes(opened, file, log.answerer()).ok(),
                        "a built file opens");
        const QByteArray dumped = QJsonDocument(cli::stateToJson(opened, language)).toJson();
        const cli::PlanRead again = cli::readPlan(dumped);
        if (!again.ok)
            std::fprintf(stderr, "%s\n", qPrintable(again.reason));
        Q716_FUZZ_CHECK(again.ok, "a dump of a built file is an accepted plan");
        Q716_FUZZ_CHECK(channelFileBytes(again.state) == file,
                        "dump then build gives the same file");
    }
    return 0;
}
