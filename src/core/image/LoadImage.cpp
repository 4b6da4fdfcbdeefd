#include "image/LoadImage.h"

#include "channels/Vocabulary.h"
#include "dialogs/PriorityRules.h"
#include "image/FieldCodec.h"
#include "image/HexHelpers.h"
#include "image/ImageLayout.h"

namespace q716 {

namespace {

class Image {
  public:
    explicit Image(const QByteArray& bytes) : data_(bytes.left(ImageBytes)) {
        if (data_.size() < ImageBytes)
            data_.append(ImageBytes - data_.size(), '\xFF');
    }
    int at(int address) const { return static_cast<unsigned char>(data_[offsetOf(address)]); }
    const char* ptr(int address) const { return data_.constData() + offsetOf(address); }

  private:
    QByteArray data_;
};

void setFlagCell(ChannelGrid& grid, int row, int col, int entry, int lang) {
    grid.cell(row, col) = flagItem(col, entry, lang);
    grid.index[row][col] = entry;
}

void loadChannel(ChannelGrid& grid, const Image& img, int row, int lang) {
    const int base = ImageBase + ChannelRecordBytes * (row - 1);
    if (isErased(img.ptr(base), 4)) {
        for (int col = 1; col <= 8; ++col)
            grid.cell(row, col).clear();
        return;
    }
    grid.cell(row, 1) = decodeFrequency(img.ptr(base));
    grid.cell(row, 3) =
        isErased(img.ptr(base + 4), 4) ? QString() : decodeFrequency(img.ptr(base + 4));

    const quint16 rxTone = readWord(img.ptr(base + 8));
    if (rxTone == NoToneWord) {
        grid.cell(row, 2) = toneItem(0, lang);
        grid.index[row][2] = 0;
    } else {
        grid.cell(row, 2) = decodeTone(rxTone);
    }

    const quint16 txTone = readWord(img.ptr(base + 10));
    if (txTone != NoToneWord) {
        grid.cell(row, 4) = decodeTone(txTone);
    } else if (grid.cell(row, 3).isEmpty()) {
        grid.cell(row, 4).clear();
    } else {
        grid.cell(row, 4) = toneItem(0, lang);
        grid.index[row][4] = 0;
    }

    setFlagCell(grid, row, 6, (img.at(base + 12) >> 3) & 1, lang);
    setFlagCell(grid, row, 7, (img.at(base + 13) >> 4) & 1, lang);
    setFlagCell(grid, row, 5, (img.at(base + 13) >> 5) & 1, lang);
}

void loadDtmfValues(DtmfValues& d, const Image& img) {
    const auto below = [&](int address, int limit, int& target) {
        if (img.at(address) < limit)
            target = img.at(address);
    };
    below(0x0110, 4, d.rate);
    below(0x0111, 4, d.firstDigitTime);
    // First-digit delay: 10 ms units in the radio, list position
    // (100 ms + 50 ms steps) in the editor.
    const int delay = img.at(0x0112);
    if (delay >= 10 && delay <= 100)
        d.firstDigitDelay = (delay * 10 - 100) / 50;
    below(0x0113, 4, d.starHashTone);
    below(0x0114, 17, d.dKey);
    below(0x0115, 2, d.sideTone);
    const int group = img.at(0x0116);
    if (group == 0x00 || group == 0xFF)
        d.groupCallCode = 0;
    else if (group >= '0' && group <= '6')
        d.groupCallCode = group - '0';
    below(0x0117, 16, d.autoResetTimer);
}

void setOptionIfBelow(NumberText& option, const Image& img, int address, int limit) {
    if (img.at(address) < limit)
        option.set(img.at(address));
}

void loadSettings(EditorState& s, const Image& img) {
    MainWindowState& f = s.form1;
    OptionValues& o = s.values.optionValues;
    const auto below = [&](int address, int limit, int& target, int shift = 0) {
        if (img.at(address) < limit)
            target = img.at(address) + shift;
    };
    below(0x012F, 3, f.combo2);
    below(0x0130, 41, f.combo3, -1); // a 0 leaves no entry selected
    below(0x0131, 11, f.combo4);
    setOptionIfBelow(o.pttId, img, 0x0132, 3);
    s.form5.combo4 = o.pttId.number();
    below(0x0134, 10, f.combo9);
    below(0x0135, 2, f.combo6);
    below(0x0136, 2, f.combo7);
    below(0x0137, 2, f.check3);
    below(0x0138, 2, f.check4);
    below(0x0139, 2, f.combo11);
    below(0x013A, 11, f.combo13);
    below(0x013B, 6, f.combo12);
    setOptionIfBelow(o.voxVolumeControl, img, 0x013C, 2);
    s.form5.combo9 = o.voxVolumeControl.number();
    o.duplicate.set(img.at(0x013E) & 1);
    s.form5.combo10 = o.duplicate.number();
}

void loadScanGroup(EditorState& s, const Image& img, const MessageFn& show) {
    OptionValues& o = s.values.optionValues;
    setOptionIfBelow(o.priorityMode, img, 0x0160, 3);
    choosePriorityMode(s, o.priorityMode.number(), show);

    const int preferred = img.at(0x0161);
    if (preferred >= 1 && preferred <= 16)
        o.preferredChannel.set(preferred);
    choosePreferredChannel(s, o.preferredChannel.number() - 1, show);

    // Retrace times: FF is the entry "Empty".
    const auto retrace = [&](NumberText& option, int address) {
        if (img.at(address) == 0xFF)
            option.set(0);
        else
            setOptionIfBelow(option, img, address, 92);
    };
    retrace(o.retraceTimeA, 0x0162);
    retrace(o.retraceTimeB, 0x0163);
    s.form5.combo13 = o.retraceTimeA.number();
    s.form5.combo14 = o.retraceTimeB.number();
    setOptionIfBelow(o.returnChannel, img, 0x0164, 4);
    s.form5.combo15 = o.returnChannel.number();

    const auto delay = [&](NumberText& option, int address) {
        const quint16 seconds = readWord(img.ptr(address));
        if (seconds <= 300)
            option.set(seconds);
    };
    delay(o.scanReceiveDelay, 0x0165);
    delay(o.scanLaunchDelay, 0x0167);
    s.form5.text5 = o.scanReceiveDelay.text;
    s.form5.text6 = o.scanLaunchDelay.text;
}

void loadScanColumn(ChannelGrid& grid, const Image& img, int lang) {
    for (int row = 1; row <= ChannelCount; ++row) {
        const int bits = img.at(row <= 8 ? 0x017E : 0x017F);
        if (!grid.inUse(row)) {
            grid.cell(row, 8).clear();
            continue;
        }
        setFlagCell(grid, row, 8, (bits >> ((row - 1) % 8)) & 1, lang);
    }
}

void loadBand(MainWindowState& f, const Image& img) {
    const std::optional<int> band = bandIndexForCode(img.at(0x01BD));
    if (!band)
        return;
    // LastBand first: a program step selecting the band asks nothing and
    // keeps the table.
    f.lastBand = *band;
    f.combo1 = *band;
    const BandLimits limits = bandLimits(*band);
    f.bandLow = limits.low;
    f.bandHigh = limits.high;
}

void loadTestFrequencies(EditorState& s, const Image& img) {
    ProgramValues& v = s.values;
    for (int r = 1; r <= ChannelCount; ++r) {
        const int base = 0x0280 + 8 * (r - 1);
        v.testFrequencies[r - 1] =
            isErased(img.ptr(base), 4) ? QString() : decodeFrequency(img.ptr(base));
        v.testFrequencies[r + 15] =
            isErased(img.ptr(base + 4), 4) ? QString() : decodeFrequency(img.ptr(base + 4));
        s.form4.cells[r][1] = v.testFrequencies[r - 1];
        s.form4.cells[r][2] = v.testFrequencies[r + 15];
    }
}

// The optional-functions dialog shows the DTMF values and memories of the
// last load, never older ones.
void refreshDtmfControls(EditorState& s) {
    const DtmfValues& d = s.values.dtmfValues;
    OptionsDialogState& o = s.form5;
    o.combo0 = d.rate;
    o.combo16 = d.firstDigitTime;
    o.combo18 = d.firstDigitDelay;
    o.combo17 = d.starHashTone;
    o.combo19 = d.dKey;
    o.combo20 = d.sideTone;
    o.combo22 = d.groupCallCode;
    o.combo21 = d.autoResetTimer;
    o.mfgrid1 = s.values.dtmfMemories;
}

} // namespace

void loadImageBytes(EditorState& s, const QByteArray& bytes, const MessageFn& show) {
    const Image img(bytes);
    ProgramValues& v = s.values;
    MainWindowState& f = s.form1;
    const int lang = v.languageCode;

    v.debugUnlocked = false;
    s.form2.slidersEnabled = false;

    for (int row = 1; row <= ChannelCount; ++row)
        loadChannel(f.grid, img, row, lang);

    loadDtmfValues(v.dtmfValues, img);

    if (img.at(0x011D) < 12)
        v.keyFunctionPF1 = img.at(0x011D);
    s.form6.combo1 = v.keyFunctionPF1;
    if (img.at(0x011E) < 12)
        v.keyFunctionPF2 = img.at(0x011E);
    s.form6.combo2 = v.keyFunctionPF2;

    v.optionValues.field0120 = readCharField(img.ptr(0x0120), 10, false);
    loadSettings(s, img);
    v.optionValues.field0140 = readCharField(img.ptr(0x0140), 16, true);
    v.optionValues.field0150 = readCharField(img.ptr(0x0150), 16, true);
    loadScanGroup(s, img, show);
    loadScanColumn(f.grid, img, lang);

    v.highPowerLevel = img.at(0x0183);
    s.form2.slider1 = v.highPowerLevel;
    v.lowPowerLevel = img.at(0x0188);
    s.form2.slider3 = v.lowPowerLevel;

    loadBand(f, img);

    v.commPassword = readCharField(img.ptr(0x01C0), 16, true);
    f.text2 = v.commPassword;

    for (int i = 0; i < 8; ++i)
        v.dtmfMemories[i] = readDtmfField(img.ptr(0x0200 + 16 * i), 16);

    loadTestFrequencies(s, img);

    v.embeddedInfo[0] = readCharField(img.ptr(0x0300), 32, true);
    s.form7.text1 = v.embeddedInfo[0];
    v.embeddedInfo[1] = readCharField(img.ptr(0x0320), 32, true);
    s.form7.text2 = v.embeddedInfo[1];

    refreshDtmfControls(s);
}

void LoadImage(EditorState& state, const QString& imageHex, const MessageFn& show) {
    loadImageBytes(state, hexToBytes(imageHex.left(ImageHexDigits)), show);
}

} // namespace q716
