#include "channels/Vocabulary.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "state/InitDefaults.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace q716;

namespace {

class Gen {
  public:
    explicit Gen(unsigned seed) : rng_(seed) {}
    int in(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool coin() { return in(0, 1) == 1; }
    QString frequency() {
        return QStringLiteral("%1.%2").arg(in(100, 999)).arg(in(0, 99999), 5, 10, QLatin1Char('0'));
    }
    // Characters a field can carry: one byte each, FF only where it is kept.
    QString chars(int maxLength, bool withErased) {
        QString t;
        const int n = in(0, maxLength);
        for (int i = 0; i < n; ++i)
            t += QChar(in(0, withErased ? 255 : 254));
        return t;
    }
    QString dtmf() {
        static const QString Keys = QStringLiteral("0123456789ABCD*#");
        QString t;
        const int n = in(0, 16);
        for (int i = 0; i < n; ++i)
            t += Keys.at(in(0, Keys.size() - 1));
        return t;
    }
    QByteArray bytes(int n) {
        QByteArray b(n, '\0');
        for (char& c : b)
            c = static_cast<char>(in(0, 255));
        return b;
    }

  private:
    std::mt19937 rng_;
};

void randomChannel(Gen& g, ChannelGrid& grid, int row, int lang) {
    grid.cell(row, 1) = g.frequency();
    grid.cell(row, 3) = g.coin() ? g.frequency() : QString();
    grid.cell(row, 2) = toneItem(g.in(0, ToneCount - 1), lang);
    const int txTone = g.in(grid.cell(row, 3).isEmpty() ? 1 : 0, ToneCount - 1);
    grid.cell(row, 4) =
        grid.cell(row, 3).isEmpty() && g.coin() ? QString() : toneItem(txTone, lang);
    for (int col = 5; col <= 8; ++col) {
        grid.index[row][col] = g.in(0, 1);
        grid.cell(row, col) = flagItem(col, grid.index[row][col], lang);
    }
}

EditorState randomState(Gen& g) {
    EditorState s = freshEditorState();
    const int lang = g.in(0, 1);
    s.values.languageCode = lang;
    for (int row = 1; row <= ChannelCount; ++row) {
        if (g.coin())
            randomChannel(g, s.form1.grid, row, lang);
    }
    MainWindowState& f = s.form1;
    f.combo1 = g.in(0, BandCount - 1);
    f.combo2 = g.in(0, 2);
    f.combo3 = g.in(-1, 39);
    f.combo4 = g.in(0, 10);
    f.combo9 = g.in(0, 9);
    f.combo6 = g.in(0, 1);
    f.combo7 = g.in(0, 1);
    f.check3 = g.in(0, 1);
    f.check4 = g.in(0, 1);
    f.combo11 = g.in(0, 1);
    f.combo13 = g.in(0, 10);
    f.combo12 = g.in(0, 5);

    ProgramValues& v = s.values;
    v.dtmfValues = {g.in(0, 3),  g.in(0, 3), g.in(0, 18), g.in(0, 3),
                    g.in(0, 16), g.in(0, 1), g.in(0, 6),  g.in(0, 15)};
    v.keyFunctionPF1 = g.in(0, 11);
    v.keyFunctionPF2 = g.in(0, 11);
    QString field;
    for (int i = 0; i < 10; ++i)
        field += QChar(g.in(0, 255));
    v.optionValues.field0120 = field;
    v.optionValues.field0140 = g.chars(16, false);
    v.optionValues.field0150 = g.chars(16, false);
    const std::pair<int, int> ranges[] = {{3, 2},   {8, 1},  {9, 1},    {10, 2},  {12, 91},
                                          {13, 91}, {14, 3}, {18, 300}, {19, 300}};
    for (const auto& [slot, high] : ranges)
        v.optionValues.slot(slot) = QString::number(g.in(0, high));
    v.optionValues.preferredChannel.set(g.in(1, 16));
    v.highPowerLevel = g.in(0, 255);
    v.lowPowerLevel = g.in(0, 255);
    v.commPassword = g.chars(16, false);
    for (QString& m : v.dtmfMemories)
        m = g.dtmf();
    for (QString& t : v.testFrequencies)
        t = g.coin() ? g.frequency() : QString();
    v.embeddedInfo = {g.chars(32, false), g.chars(32, false)};
    return s;
}

void expectSameTravellingValues(const EditorState& a, const EditorState& b) {
    for (int row = 1; row <= ChannelCount; ++row) {
        for (int col = 1; col <= 8; ++col)
            EXPECT_EQ(a.form1.grid.cell(row, col), b.form1.grid.cell(row, col))
                << row << "," << col;
        if (a.form1.grid.inUse(row)) {
            for (int col = 5; col <= 8; ++col)
                EXPECT_EQ(a.form1.grid.index[row][col], b.form1.grid.index[row][col]);
        }
    }
    const MainWindowState& f = a.form1;
    const MainWindowState& h = b.form1;
    EXPECT_EQ(std::tie(f.combo1, f.combo2, f.combo3, f.combo4, f.combo9, f.combo6, f.combo7),
              std::tie(h.combo1, h.combo2, h.combo3, h.combo4, h.combo9, h.combo6, h.combo7));
    EXPECT_EQ(std::tie(f.check3, f.check4, f.combo11, f.combo13, f.combo12),
              std::tie(h.check3, h.check4, h.combo11, h.combo13, h.combo12));
    const ProgramValues& v = a.values;
    const ProgramValues& w = b.values;
    EXPECT_EQ(v.dtmfValues, w.dtmfValues);
    EXPECT_EQ(v.keyFunctionPF1, w.keyFunctionPF1);
    EXPECT_EQ(v.keyFunctionPF2, w.keyFunctionPF2);
    for (int slot : {3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(v.optionValues.slot(slot), w.optionValues.slot(slot)) << slot;
    EXPECT_EQ(v.highPowerLevel, w.highPowerLevel);
    EXPECT_EQ(v.lowPowerLevel, w.lowPowerLevel);
    EXPECT_EQ(v.commPassword, w.commPassword);
    EXPECT_EQ(v.dtmfMemories, w.dtmfMemories);
    EXPECT_EQ(v.testFrequencies, w.testFrequencies);
    EXPECT_EQ(v.embeddedInfo, w.embeddedInfo);
}

QByteArray resave(const QString& dir, const QByteArray& file) {
    const QString in = dir + QStringLiteral("/in.DAT");
    const QString out = dir + QStringLiteral("/out.DAT");
    QFile f(in);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();
    EditorState s = freshEditorState();
    EXPECT_TRUE(openChannelFile(s, in, {}).ok());
    EXPECT_TRUE(saveChannelFile(s, out).ok());
    QFile r(out);
    EXPECT_TRUE(r.open(QIODevice::ReadOnly));
    return r.readAll();
}

} // namespace

TEST(CodecProperties, LoadingABuiltImageGivesTheStateBack) {
    Gen g(716);
    for (int i = 0; i < 300; ++i) {
        const EditorState s = randomState(g);
        const QString image = BuildImage(s);
        ASSERT_EQ(image.size(), 1696);
        EditorState loaded = freshEditorState();
        loaded.values.languageCode = s.values.languageCode;
        LoadImage(loaded, image, {});
        expectSameTravellingValues(s, loaded);
        EXPECT_EQ(BuildImage(loaded), image);
        if (HasFailure())
            FAIL() << "state " << i;
    }
}

TEST(CodecProperties, ResavingAnyFileIsStableAfterOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Gen g(853);
    for (int i = 0; i < 200; ++i) {
        const QByteArray file = QByteArray("NXR54") + g.bytes(848 + g.in(0, 4));
        const QByteArray once = resave(dir.path(), file);
        ASSERT_EQ(once.size(), 853);
        EXPECT_EQ(resave(dir.path(), once), once) << "file " << i;
    }
}

TEST(CodecProperties, NoFileCrashesTheReader) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Gen g(855);
    const QString path = dir.filePath(QStringLiteral("any.DAT"));
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes = g.bytes(g.in(0, 2000));
        if (g.coin())
            bytes.replace(0, qMin<qsizetype>(5, bytes.size()), QByteArray("NXR54"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        EditorState s = freshEditorState();
        const EditorState before = s;
        const FileResult r = openChannelFile(s, path, [](const Message&) { return int(ResultOk); });
        if (!r.ok()) {
            EXPECT_EQ(BuildImage(s), BuildImage(before));
        }
        EXPECT_EQ(r.ok(), bytes.size() >= 853 && bytes.startsWith("NXR54"));
        EXPECT_EQ(BuildImage(s).size(), 1696);
    }
}
