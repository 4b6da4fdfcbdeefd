#include "image/BuildImage.h"

#include "channels/Vocabulary.h"
#include "image/FieldCodec.h"
#include "image/HexHelpers.h"
#include "image/ImageLayout.h"

namespace q716 {

namespace {

// A flag cell's entry; empty and unknown texts count as `whenEmpty`.
int flagBit(const QString& cell, int column, int whenEmpty) {
    return flagEntry(column, cell).value_or(whenEmpty);
}

bool rowStored(const ChannelGrid& grid, int row) {
    return isFrequencyText(grid.cell(row, 1));
}

void appendChannel(QByteArray& out, const ChannelGrid& grid, int row) {
    if (!rowStored(grid, row)) {
        out.append(12, '\xFF');
        out.append("\xF8\xF0\xFC\xFF", 4);
        return;
    }
    appendFrequency(out, grid.cell(row, 1));
    appendFrequency(out, grid.cell(row, 3));
    appendWord(out, encodeTone(grid.cell(row, 2)));
    appendWord(out, encodeTone(grid.cell(row, 4)));
    out.append(flagBit(grid.cell(row, 6), 6, 1) ? '\xF8' : '\xF0');
    const int power = flagBit(grid.cell(row, 5), 5, 1);
    const int bandwidth = flagBit(grid.cell(row, 7), 7, 1);
    out.append(static_cast<char>(0xC0 | power << 5 | bandwidth << 4));
    out.append("\xFC\xFF", 2);
}

char scanByte(const ChannelGrid& grid, int firstRow) {
    int bits = 0;
    for (int k = 0; k < 8; ++k) {
        const int row = firstRow + k;
        if (rowStored(grid, row) && flagBit(grid.cell(row, 8), 8, 0) == 1)
            bits |= 1 << k;
    }
    return static_cast<char>(bits);
}

char optionByte(const NumberText& option) {
    return clampedByte(option.number());
}

// Retrace times: position 0 ("Empty") is stored as FF; below 0 is 0 as well.
char retraceByte(const NumberText& option) {
    const int n = option.number();
    return n <= 0 ? '\xFF' : clampedByte(n);
}

// Scan resume delays: the radio takes 0..300 s and a load drops more.
quint16 delayWord(const NumberText& option) {
    return static_cast<quint16>(qBound(0, option.number(), 300));
}

char groupCallByte(int position) {
    if (position == 0)
        return 0;
    return clampedByte(QString::number(position).at(0).unicode());
}

char bandCodeByte(int position) {
    return clampedByte(bandCode(qBound(0, position, BandCount - 1)));
}

} // namespace

QByteArray buildImageBytes(const EditorState& s) {
    const ProgramValues& v = s.values;
    const OptionValues& o = v.optionValues;
    const MainWindowState& f = s.form1;
    QByteArray out;
    out.reserve(ImageBytes);

    for (int row = 1; row <= ChannelCount; ++row) // 0x0010
        appendChannel(out, f.grid, row);

    const DtmfValues& d = v.dtmfValues; // 0x0110
    out.append(clampedByte(d.rate));
    out.append(clampedByte(d.firstDigitTime));
    // The radio counts the first-digit delay in 10 ms units.
    out.append(clampedByte((100 + 50 * d.firstDigitDelay) / 10));
    out.append(clampedByte(d.starHashTone));
    out.append(clampedByte(d.dKey));
    out.append(clampedByte(d.sideTone));
    out.append(groupCallByte(d.groupCallCode));
    out.append(clampedByte(d.autoResetTimer));
    out.append(5, '\xFF');

    out.append(clampedByte(v.keyFunctionPF1)); // 0x011D
    out.append(clampedByte(v.keyFunctionPF2));
    out.append('\xFF');

    appendCharField(out, o.field0120, 10); // 0x0120
    out.append(5, '\xFF');

    out.append(clampedByte(f.combo2)); // 0x012F
    out.append(clampedByte(f.combo3 + 1));
    out.append(clampedByte(f.combo4));
    out.append(optionByte(o.pttId));
    out.append('\0');
    out.append(clampedByte(f.combo9));
    out.append(clampedByte(f.combo6));
    out.append(clampedByte(f.combo7));
    out.append(clampedByte(f.check3));
    out.append(clampedByte(f.check4));
    out.append(clampedByte(f.combo11));
    out.append(clampedByte(f.combo13));
    out.append(clampedByte(f.combo12));
    out.append(optionByte(o.voxVolumeControl));
    out.append('\xFF');
    out.append(o.duplicate.number() == 1 ? '\xFF' : '\xFE'); // 0x013E
    out.append('\xFF');

    appendCharField(out, o.field0140, 16); // 0x0140
    appendCharField(out, o.field0150, 16);

    out.append(optionByte(o.priorityMode)); // 0x0160
    out.append(optionByte(o.preferredChannel));
    out.append(retraceByte(o.retraceTimeA));
    out.append(retraceByte(o.retraceTimeB));
    out.append(optionByte(o.returnChannel));
    appendWord(out, delayWord(o.scanReceiveDelay));
    appendWord(out, delayWord(o.scanLaunchDelay));
    out.append(21, '\xFF');

    out.append(scanByte(f.grid, 1)); // 0x017E
    out.append(scanByte(f.grid, 9));

    out.append(3, '\xFF'); // 0x0180
    out.append(clampedByte(v.highPowerLevel));
    out.append(4, '\xFF');
    out.append(clampedByte(v.lowPowerLevel));
    out.append(47, '\xFF');

    out.append("VRQ71"); // 0x01B8
    out.append(bandCodeByte(f.combo1));
    out.append("\xF8\xFF", 2);

    appendCharField(out, v.commPassword, 16); // 0x01C0
    out.append(48, '\xFF');

    for (const QString& memory : v.dtmfMemories) // 0x0200
        appendDtmfField(out, memory, 16);

    for (int r = 0; r < ChannelCount; ++r) { // 0x0280
        appendFrequency(out, v.testFrequencies[r]);
        appendFrequency(out, v.testFrequencies[r + 16]);
    }

    appendCharField(out, v.embeddedInfo[0], 32); // 0x0300
    appendCharField(out, v.embeddedInfo[1], 32);

    out.append("NXQB540"); // 0x0340
    out.append(5, '\xFF');
    out.append(bandCodeByte(f.combo1));
    out.append(3, '\xFF');

    out.append("47152983"); // 0x0350
    out.append(8, '\x88');
    return out;
}

QString BuildImage(const EditorState& state) {
    return bytesToHex(buildImageBytes(state));
}

} // namespace q716
