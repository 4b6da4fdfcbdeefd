// The codec's hot paths: building and loading an image and a channel file
// round trip on disk.

#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "state/InitDefaults.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace q716;

namespace {

EditorState fullState() {
    EditorState s = freshEditorState();
    for (int row = 1; row <= ChannelCount; ++row) {
        const QString f = QStringLiteral("435.%1").arg(row * 1250, 5, 10, QLatin1Char('0'));
        s.form1.grid.cell(row, 1) = f;
        s.form1.grid.cell(row, 3) = f;
        s.form1.grid.cell(row, 2) = QStringLiteral("D023N");
        s.form1.grid.cell(row, 4) = QStringLiteral("67.0");
        s.form1.grid.cell(row, 5) = QStringLiteral("高");
        s.form1.grid.cell(row, 6) = QStringLiteral("关闭");
        s.form1.grid.cell(row, 7) = QStringLiteral("宽带");
        s.form1.grid.cell(row, 8) = QStringLiteral("有");
        s.values.testFrequencies[row - 1] = f;
    }
    s.values.commPassword = QStringLiteral("123456");
    s.values.embeddedInfo = {QStringLiteral("Q716 handheld"), QStringLiteral("fleet 7")};
    return s;
}

void BM_BuildImage(benchmark::State& st) {
    const EditorState s = fullState();
    for (auto _ : st)
        benchmark::DoNotOptimize(BuildImage(s));
}
BENCHMARK(BM_BuildImage);

void BM_LoadImage(benchmark::State& st) {
    const QString image = BuildImage(fullState());
    EditorState s = freshEditorState();
    for (auto _ : st) {
        LoadImage(s, image, {});
        benchmark::DoNotOptimize(s.form1.grid.cell(1, 1));
    }
}
BENCHMARK(BM_LoadImage);

void BM_FileRoundTrip(benchmark::State& st) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.DAT"));
    const EditorState s = fullState();
    EditorState opened = freshEditorState();
    for (auto _ : st) {
        if (!saveChannelFile(s, path).ok() || !openChannelFile(opened, path, {}).ok())
            st.SkipWithError("channel file round trip failed");
    }
}
BENCHMARK(BM_FileRoundTrip);

} // namespace

BENCHMARK_MAIN();
