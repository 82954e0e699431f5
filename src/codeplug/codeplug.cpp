#include "codeplug/codeplug.h"

#include <QLocale>

namespace zr40 {

Codeplug::Codeplug() = default;

void Codeplug::ResetHeader() {
    DataVersion = 1;
    HeaderCount1 = 1;
    TunePointCount = 10;
    ChannelCount = 32;
    RxListCount = 8;
    HeaderCount6 = 8;
}

void Codeplug::ResetTuneScalars() {
    TuneHeader0 = 0;
    CtcssDev = 10;
    CdcssDev = 10;
    MicAmp = 10;
    SpeakAmp = -40;
    NoiseThW = 600;
    NoiseThN = 600;
}

void Codeplug::ResetTunePoint(int i) {
    TuneFreq.at(i) = 0;
    TuneBias.at(i) = 0;
    TuneOsc.at(i) = 0;
    TuneDigitalDev.at(i) = 0;
    TuneSq.at(i) = 0;
}

void Codeplug::ResetOptions() {
    LocalID = 0;
    VoicePrompt = 2;
    OptionReserved1 = 0;
    IdleTime.fill(100);
    VoxLevel = 0;
    KeyMethod = 1;
    KeyDefine.fill(-1);
    for (int i = 0; i < 4; ++i)
        KeyDefine[i] = i + 1;
    OptionTOT = 0;
    OptionReserved2 = OptionReserved3 = OptionReserved4 = 0;
    OptionReserved5 = OptionReserved6 = OptionReserved7 = 0;
    OptionReserved8 = 100;
    OptionReserved9 = 0x7FFFFFFF;
    SleepPoint = {1000, -1, -1, -1, 0};
    VoltageWarningInterval.fill(0);
    VoltageLower.fill(0);
    VoltageUpper.fill(0);
    VoxDelay = 50;
    ReservedList.fill(0);
}

void Codeplug::ResetChannel(int i) {
    ChannelType.at(i) = 1;
    RxFreq[i] = 0;
    RxCtcss[i] = -1;
    RxDcs[i] = -1;
    TxFreq[i] = 0;
    TxCtcss[i] = -1;
    TxDcs[i] = -1;
    TxPower[i] = 1;
    TxAuthority[i] = 2;
    ChannelTOT[i] = 0;
    SqlLevel[i] = 5;
    ChannelSpace[i] = 25000;
    RxKeyEnable[i] = 0;
    RxKeyLength[i] = 0;
    TxKeyEnable[i] = 0;
    TxKeyLength[i] = 0;
    DenoiseLevel[i] = 0;
    QuiteLevel[i] = 0;
    RxColor[i] = 0;
    TxColor[i] = 0;
    ChannelRxList[i] = 0;
    CallTypeTxID[i] = 0;
    Compand[i] = 0;
    ScrambleType[i] = 0;
    // Element 32 has key words 128..131 of which only 128 exists; it is never used.
    for (int k = 0; k < kKeyWords; ++k) {
        const int index = i * kKeyWords + k;
        if (index < static_cast<int>(RxKey.size())) {
            RxKey[index] = 0;
            TxKey[index] = 0;
        }
    }
}

void Codeplug::ResetRxList(int l) {
    for (int e = 0; e < kRxListEntries; ++e)
        RxListEntry.at(l * kRxListEntries + e) = -1;
}

void Codeplug::ApplyStartupDefaults() {
    ResetHeader();
    ResetTuneScalars();
    for (int i = 0; i < 10; ++i)
        ResetTunePoint(i);
    ResetOptions();
    for (int i = 0; i < 16; ++i)
        ResetChannel(i);
    for (int l = 0; l < kRxLists; ++l)
        ResetRxList(l);
    BandLower = 100;
    BandUpper = 550;
    BandUpperTx = 550;
}

void Codeplug::ApplyNewDefaults() {
    ResetHeader();
    ResetTuneScalars();
    for (int i = 0; i < kTunePoints; ++i)
        ResetTunePoint(i);
    ResetOptions();
    for (int i = 0; i < kChannels; ++i)
        ResetChannel(i);
    for (int l = 0; l < kRxLists; ++l)
        ResetRxList(l);
}

void Codeplug::ResetApplicationState() {
    ChannelInfoOpen = OptionOpen = KeySettingOpen = ScanInfoOpen = false;
    EmbedMessageOpen = ChannelEditOpen = TuneOpen = RxListOpen = false;
    LinkRead = LinkTune = LinkLocalMessage = LinkSpecial = LinkDtmf = LinkSucceeded = false;
    ProcessOpen = PasswordCancelled = PasswordCheckOnly = false;
    PasswordChanged = PasswordRejected = false;
    ProgramPassword.clear();
    ChildWindowState = 0;
    FileName = QStringLiteral("new.rdat");
    LanguageChosen = false;
    ChannelDataChanged = false;
    ChannelGridChanged = false;
}

void Codeplug::AnalyseSoftwareData() {
    auto takeUntilFF = [this](int from, int to) {
        QString text;
        for (int i = from; i <= to && PasswordBlock[i] != 0xFF; ++i)
            text.append(QChar::fromLatin1(static_cast<char>(PasswordBlock[i])));
        return text;
    };
    ProgramPassword = takeUntilFF(0, 5);
    SecondPassword = takeUntilFF(6, 11);
    PasswordBlockFlag = PasswordBlock[12] == 'U';
}

void Codeplug::SaveSoftwareData() {
    PasswordBlock.fill(0xFF);
    auto put = [this](const QString& text, int at) {
        const QByteArray bytes = text.left(6).toLatin1();
        for (int i = 0; i < bytes.size(); ++i)
            PasswordBlock[at + i] = static_cast<std::uint8_t>(bytes[i]);
    };
    put(ProgramPassword, 0);
    put(SecondPassword, 6);
    if (PasswordBlockFlag)
        PasswordBlock[12] = 'U';
}

Codeplug::KeyWords Codeplug::PackKey(const QString& digits) {
    KeyWords words{};
    const QString padded = digits.left(kKeyDigits).leftJustified(kKeyDigits, QLatin1Char('0'));
    for (int k = 0; k < kKeyWords; ++k) {
        bool ok = false;
        const quint32 value = padded.mid(k * 8, 8).toUInt(&ok, 16);
        words[k] = ok ? static_cast<Long>(value) : 0;
    }
    return words;
}

Long Codeplug::KeyLengthOf(const KeyWords& words) {
    Long length = kKeyDigits;
    for (int k = kKeyWords - 1; k >= 0; --k) {
        auto word = static_cast<quint32>(words[k]);
        if (word == 0) {
            length -= 8;
            continue;
        }
        while ((word & 0xFu) == 0) {
            --length;
            word >>= 4;
        }
        break;
    }
    return length;
}

QString Codeplug::KeyText(const KeyWords& words, Long length) {
    QString text;
    for (Long word : words)
        text += QStringLiteral("%1").arg(static_cast<quint32>(word), 8, 16, QLatin1Char('0'));
    if (length <= 0)
        return {};
    return text.left(length).toUpper();
}

Codeplug::KeyWords Codeplug::RxKeyWords(int channel) const {
    KeyWords words{};
    for (int k = 0; k < kKeyWords; ++k)
        words[k] = RxKey.at(channel * kKeyWords + k);
    return words;
}

Codeplug::KeyWords Codeplug::TxKeyWords(int channel) const {
    KeyWords words{};
    for (int k = 0; k < kKeyWords; ++k)
        words[k] = TxKey.at(channel * kKeyWords + k);
    return words;
}

void Codeplug::SetRxKeyWords(int channel, const KeyWords& words) {
    for (int k = 0; k < kKeyWords; ++k)
        RxKey.at(channel * kKeyWords + k) = words[k];
}

void Codeplug::SetTxKeyWords(int channel, const KeyWords& words) {
    for (int k = 0; k < kKeyWords; ++k)
        TxKey.at(channel * kKeyWords + k) = words[k];
}

void Codeplug::DeriveKeyLengths(int channel) {
    RxKeyLength.at(channel) = KeyLengthOf(RxKeyWords(channel));
    TxKeyLength.at(channel) = KeyLengthOf(TxKeyWords(channel));
}

namespace {
template <typename Table> bool sameUsed(const Table& a, const Table& b, int used) {
    return std::equal(a.begin(), a.begin() + used, b.begin());
}
} // namespace

bool Codeplug::SameRadioData(const Codeplug& o) const {
    const int ch = kChannels;
    const int tp = kTunePoints;
    return DataVersion == o.DataVersion && HeaderCount1 == o.HeaderCount1 &&
           TunePointCount == o.TunePointCount && HeaderCount3 == o.HeaderCount3 &&
           ChannelCount == o.ChannelCount && RxListCount == o.RxListCount &&
           HeaderCount6 == o.HeaderCount6 && TuneHeader0 == o.TuneHeader0 &&
           CtcssDev == o.CtcssDev && CdcssDev == o.CdcssDev && MicAmp == o.MicAmp &&
           SpeakAmp == o.SpeakAmp && NoiseThW == o.NoiseThW && NoiseThN == o.NoiseThN &&
           sameUsed(TuneFreq, o.TuneFreq, tp) && sameUsed(TuneBias, o.TuneBias, tp) &&
           sameUsed(TuneOsc, o.TuneOsc, tp) && sameUsed(TuneDigitalDev, o.TuneDigitalDev, tp) &&
           sameUsed(TuneSq, o.TuneSq, tp) && LocalID == o.LocalID &&
           VoicePrompt == o.VoicePrompt && OptionReserved1 == o.OptionReserved1 &&
           sameUsed(IdleTime, o.IdleTime, 4) && VoxLevel == o.VoxLevel &&
           KeyMethod == o.KeyMethod && sameUsed(KeyDefine, o.KeyDefine, 16) &&
           OptionTOT == o.OptionTOT && OptionReserved2 == o.OptionReserved2 &&
           OptionReserved3 == o.OptionReserved3 && OptionReserved4 == o.OptionReserved4 &&
           OptionReserved5 == o.OptionReserved5 && OptionReserved6 == o.OptionReserved6 &&
           OptionReserved7 == o.OptionReserved7 && OptionReserved8 == o.OptionReserved8 &&
           OptionReserved9 == o.OptionReserved9 && sameUsed(SleepPoint, o.SleepPoint, 4) &&
           sameUsed(VoltageWarningInterval, o.VoltageWarningInterval, 8) &&
           sameUsed(VoltageLower, o.VoltageLower, 8) &&
           sameUsed(VoltageUpper, o.VoltageUpper, 8) && VoxDelay == o.VoxDelay &&
           sameUsed(ReservedList, o.ReservedList, 32) &&
           sameUsed(ChannelType, o.ChannelType, ch) && sameUsed(RxFreq, o.RxFreq, ch) &&
           sameUsed(RxCtcss, o.RxCtcss, ch) && sameUsed(RxDcs, o.RxDcs, ch) &&
           sameUsed(TxFreq, o.TxFreq, ch) && sameUsed(TxCtcss, o.TxCtcss, ch) &&
           sameUsed(TxDcs, o.TxDcs, ch) && sameUsed(TxPower, o.TxPower, ch) &&
           sameUsed(TxAuthority, o.TxAuthority, ch) && sameUsed(ChannelTOT, o.ChannelTOT, ch) &&
           sameUsed(SqlLevel, o.SqlLevel, ch) && sameUsed(ChannelSpace, o.ChannelSpace, ch) &&
           sameUsed(RxKeyEnable, o.RxKeyEnable, ch) && sameUsed(RxKeyLength, o.RxKeyLength, ch) &&
           sameUsed(TxKeyEnable, o.TxKeyEnable, ch) && sameUsed(TxKeyLength, o.TxKeyLength, ch) &&
           sameUsed(DenoiseLevel, o.DenoiseLevel, ch) && sameUsed(QuiteLevel, o.QuiteLevel, ch) &&
           sameUsed(RxColor, o.RxColor, ch) && sameUsed(TxColor, o.TxColor, ch) &&
           sameUsed(ChannelRxList, o.ChannelRxList, ch) &&
           sameUsed(CallTypeTxID, o.CallTypeTxID, ch) && sameUsed(Compand, o.Compand, ch) &&
           sameUsed(ScrambleType, o.ScrambleType, ch) && sameUsed(RxKey, o.RxKey, ch * 4) &&
           sameUsed(TxKey, o.TxKey, ch * 4) && RxListEntry == o.RxListEntry;
}

QString LocaleDecimalSeparator() {
    return QLocale().toString(0.5).contains(QLatin1Char('.')) ? QStringLiteral(".")
                                                              : QStringLiteral(",");
}

} // namespace zr40
