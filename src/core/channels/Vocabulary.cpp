#include "channels/Vocabulary.h"

namespace q716 {

namespace {

const char* const Bands[BandCount] = {"400-480MHz", "450-490MHz", "400-430MHz", "370-390MHz",
                                      "350-370MHz", "136-174MHz", "600-720MHz"};
const int BandCodes[BandCount] = {0x33, 0x21, 0x43, 0x63, 0x53, 0x01, 0x73};

const char* const Ctcss[CtcssCount] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

const char* const Dcs[DcsCount] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// [column - 5][entry] = {Chinese, English}
const char* const Flags[4][2][2] = {
    {{"低", "Low"}, {"高", "Hight"}},
    {{"关闭", "Off"}, {"载波", "Carrow"}},
    {{"窄带", "Narrow"}, {"宽带", "Wide"}},
    {{"无", "No"}, {"有", "Have"}},
};

} // namespace

QString bandItem(int index) {
    return (index >= 0 && index < BandCount) ? QString::fromLatin1(Bands[index]) : QString();
}

BandLimits bandLimits(int index) {
    // Characters 1..3 and 5..7 of the item text are the limits.
    const QString item = bandItem(index);
    return {item.mid(0, 3).toInt(), item.mid(4, 3).toInt()};
}

int bandCode(int index) {
    return (index >= 0 && index < BandCount) ? BandCodes[index] : 0xFF;
}

std::optional<int> bandIndexForCode(int code) {
    for (int i = 0; i < BandCount; ++i)
        if (BandCodes[i] == code)
            return i;
    return std::nullopt;
}

QString modelItem(int index) {
    return index == 0 ? QStringLiteral("RN-52") : QString();
}

QString noToneText(int languageCode) {
    return showsEnglish(languageCode) ? QStringLiteral("Off") : QStringLiteral("关闭");
}

bool isNoToneText(const QString& text) {
    return text == QStringLiteral("关闭") || text == QStringLiteral("Off");
}

QString toneItem(int index, int languageCode) {
    if (index == 0)
        return noToneText(languageCode);
    if (index >= 1 && index <= CtcssCount)
        return QString::fromLatin1(Ctcss[index - 1]);
    if (index > CtcssCount && index <= CtcssCount + DcsCount)
        return QStringLiteral("D%1N").arg(QLatin1String(Dcs[index - CtcssCount - 1]));
    if (index > CtcssCount + DcsCount && index < ToneCount)
        return QStringLiteral("D%1I").arg(QLatin1String(Dcs[index - CtcssCount - DcsCount - 1]));
    return {};
}

QString flagItem(int column, int entry, int languageCode) {
    if (column < 5 || column > 8 || entry < 0 || entry > 1)
        return {};
    return QString::fromUtf8(Flags[column - 5][entry][showsEnglish(languageCode) ? 1 : 0]);
}

std::optional<int> flagEntry(int column, const QString& text) {
    if (column < 5 || column > 8)
        return std::nullopt;
    for (int entry = 0; entry < 2; ++entry)
        for (int lang = 0; lang < 2; ++lang)
            if (text == QString::fromUtf8(Flags[column - 5][entry][lang]))
                return entry;
    return std::nullopt;
}

} // namespace q716
