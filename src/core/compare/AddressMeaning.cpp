#include "compare/AddressMeaning.h"

#include "channels/Vocabulary.h"
#include "compare/CompareTexts.h"
#include "image/BuildImage.h"
#include "image/ImageLayout.h"
#include "state/InitDefaults.h"

#include <array>

namespace q716 {

namespace {

using K = FieldKind;

const QString OtherFrequency = QStringLiteral("411.11111");

// Every field holds a value whose bytes all differ from OtherValue's.
EditorState baseline() {
    EditorState s = freshEditorState();
    s.values.languageCode = 0;
    ChannelGrid& g = s.form1.grid;
    for (int ch = 1; ch <= ChannelCount; ++ch) {
        g.cell(ch, 1) = g.cell(ch, 3) = QStringLiteral("400.00000");
        g.cell(ch, 2) = g.cell(ch, 4) = QStringLiteral("67.0");
        for (int col = 5; col <= 8; ++col)
            g.cell(ch, col) = flagItem(col, 0, 0);
    }
    MainWindowState& f = s.form1;
    f.combo1 = f.combo2 = f.combo3 = f.combo4 = f.combo6 = f.combo7 = f.combo9 = 0;
    f.combo11 = f.combo12 = f.combo13 = f.check3 = f.check4 = 0;
    ProgramValues& v = s.values;
    v.commPassword.clear();
    OptionValues& o = v.optionValues;
    for (int i = 0; i < OptionValues::Count; ++i)
        o.slot(i) = QStringLiteral("0");
    o.preferredChannel.set(1);
    o.retraceTimeA.set(1);
    o.retraceTimeB.set(1);
    o.field0120 = o.field0140 = o.field0150 = QString();
    for (int i = 0; i < DtmfValues::Count; ++i)
        v.dtmfValues.at(i) = 0;
    v.dtmfMemories.fill(QString());
    v.keyFunctionPF1 = v.keyFunctionPF2 = 0;
    v.embeddedInfo.fill(QString());
    v.testFrequencies.fill(QString());
    v.highPowerLevel = v.lowPowerLevel = 0;
    return s;
}

void setOtherValue(EditorState& s, FieldRef f) {
    ChannelGrid& g = s.form1.grid;
    MainWindowState& m = s.form1;
    ProgramValues& v = s.values;
    switch (f.kind) {
    case K::RxFrequency:
        g.cell(f.index, 1) = OtherFrequency;
        break;
    case K::TxFrequency:
        g.cell(f.index, 3) = OtherFrequency;
        break;
    case K::RxTone:
        g.cell(f.index, 2) = QStringLiteral("D023N");
        break;
    case K::TxTone:
        g.cell(f.index, 4) = QStringLiteral("D023N");
        break;
    case K::Power:
    case K::Forbid:
    case K::Bandwidth:
    case K::Scan: {
        const int col = f.kind == K::Power       ? 5
                        : f.kind == K::Forbid    ? 6
                        : f.kind == K::Bandwidth ? 7
                                                 : 8;
        g.cell(f.index, col) = flagItem(col, 1, 0);
        break;
    }
    case K::Band:
        m.combo1 = 1;
        break;
    case K::Password:
        v.commPassword = QString(16, QLatin1Char('A'));
        break;
    case K::VoiceLanguage:
        m.combo2 = 1;
        break;
    case K::TimeOut:
        m.combo3 = 1;
        break;
    case K::TimeOutWarning:
        m.combo4 = 1;
        break;
    case K::Squelch:
        m.combo9 = 1;
        break;
    case K::BatterySave:
        m.combo6 = 1;
        break;
    case K::Beep:
        m.combo7 = 1;
        break;
    case K::VoxFunction:
        m.combo11 = 1;
        break;
    case K::VoxGain:
        m.combo13 = 1;
        break;
    case K::VoxDelay:
        m.combo12 = 1;
        break;
    case K::CancelOperation:
        m.check3 = 1;
        break;
    case K::VoxBannedWhileReceiving:
        m.check4 = 1;
        break;
    case K::OptionValue: {
        QString& o = v.optionValues.slot(f.index);
        if (f.index == 15)
            o = QString(10, QLatin1Char('A'));
        else if (f.index == 16 || f.index == 17)
            o = QString(16, QLatin1Char('A'));
        else if (f.index == 18 || f.index == 19)
            o = QStringLiteral("257"); // both bytes of the word
        else
            o = QString::number(NumberText{o}.number() + 1);
        break;
    }
    case K::DtmfValue:
        v.dtmfValues.at(f.index) = 1;
        break;
    case K::DtmfMemory:
        v.dtmfMemories[f.index] = QString(16, QLatin1Char('1'));
        break;
    case K::KeyPF1:
        v.keyFunctionPF1 = 1;
        break;
    case K::KeyPF2:
        v.keyFunctionPF2 = 1;
        break;
    case K::EmbeddedInfo:
        v.embeddedInfo[f.index] = QString(32, QLatin1Char('A'));
        break;
    case K::TestRxFrequency:
        v.testFrequencies[f.index - 1] = OtherFrequency;
        break;
    case K::TestTxFrequency:
        v.testFrequencies[f.index + 15] = OtherFrequency;
        break;
    case K::HighPowerLevel:
        v.highPowerLevel = 255;
        break;
    case K::LowPowerLevel:
        v.lowPowerLevel = 255;
        break;
    }
}

using OwnerMap = std::array<QList<AddressOwner>, ImageBytes>;

const OwnerMap& owners() {
    static const OwnerMap map = [] {
        OwnerMap m;
        const EditorState base = baseline();
        const QByteArray baseImage = buildImageBytes(base);
        for (const FieldRef& f : imageFields()) {
            EditorState s = base;
            setOtherValue(s, f);
            const QByteArray image = buildImageBytes(s);
            for (int k = 0; k < ImageBytes; ++k)
                if (const int bits = uchar(image.at(k)) ^ uchar(baseImage.at(k)))
                    m[k].append({f, bits});
        }
        // A byte of one field is the field's whatever bit changes.
        for (QList<AddressOwner>& o : m)
            if (o.size() == 1)
                o.first().bits = 0xFF;
        return m;
    }();
    return map;
}

} // namespace

QList<AddressOwner> addressOwners(int address) {
    const int k = offsetOf(address);
    if (k < 0 || k >= ImageBytes)
        return {};
    return owners()[k];
}

QList<FieldRef> fieldsAt(int address, int changedBits) {
    const QList<AddressOwner> all = addressOwners(address);
    QList<FieldRef> touched;
    for (const AddressOwner& o : all)
        if (o.bits & changedBits)
            touched.append(o.field);
    if (touched.isEmpty())
        for (const AddressOwner& o : all)
            touched.append(o.field);
    return touched;
}

QString addressMeaning(int address, int changedBits, int languageCode) {
    const QList<FieldRef> fields = fieldsAt(address, changedBits);
    if (fields.isEmpty())
        return comparetext::fixedData(languageCode);
    QStringList names;
    for (const FieldRef& f : fields)
        names << fieldLongName(f, languageCode);
    return names.join(QStringLiteral(" / "));
}

} // namespace q716
