#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zr40 {

// Every configuration value of the radio is a signed 32-bit number, on the wire and in the file.
using Long = std::int32_t;

// The one in-memory copy of the radio's configuration that every page, the .rdat file and the
// radio link work on, plus the small set of application state shared between windows.
//
// Tables keep the radio's historical sizes: most are one element longer than the file and the
// radio use (33 elements carry channels 1..32 at index 0..31); the last element is never stored.
class Codeplug {
public:
    static constexpr int kChannels = 32;     // channels 1..32, index 0..31
    static constexpr int kChannelSlots = 33; // declared size of every per-channel table
    static constexpr int kTunePoints = 16;
    static constexpr int kRxLists = 8;
    static constexpr int kRxListEntries = 8;
    static constexpr int kKeyWords = 4; // Longs per channel key (32 hex digits)
    static constexpr int kKeyDigits = 32;
    // The model image covers the 1,024-byte model data file; some never-shown pages address bytes
    // up to 2,207, so the buffer is larger than the file it is filled from.
    static constexpr int kRadioImageSize = 2208;
    static constexpr int kModelDataSize = 1024;
    static constexpr int kPasswordBlockSize = 17;

    using ChannelTable = std::array<Long, kChannelSlots>;
    using TuneTable = std::array<Long, kTunePoints + 1>;
    using KeyTable = std::array<Long, kChannels * kKeyWords + 1>; // 129, 128 used
    using KeyWords = std::array<Long, kKeyWords>;

    Codeplug();

    // --- Radio header, in the order the radio reports it ---
    Long DataVersion = 0;
    Long HeaderCount1 = 0;   // tune header blocks in the radio
    Long TunePointCount = 0; // tune points in use, at most 16
    Long HeaderCount3 = 0;   // settings blocks in the radio; not reset by ResetHeader
    Long ChannelCount = 0;   // channels transferred, at most 32
    Long RxListCount = 0;    // receive lists, at most 8
    Long HeaderCount6 = 0;   // stored only

    // --- Tune scalars and tune points ---
    Long TuneHeader0 = 0;
    Long CtcssDev = 0;
    Long CdcssDev = 0;
    Long MicAmp = 0;
    Long SpeakAmp = 0;
    Long NoiseThW = 0;
    Long NoiseThN = 0;
    TuneTable TuneFreq{};
    TuneTable TuneBias{};
    TuneTable TuneOsc{};
    TuneTable TuneDigitalDev{};
    TuneTable TuneSq{};

    // --- Function settings ---
    Long LocalID = 0;
    Long VoicePrompt = 0;
    Long OptionReserved1 = 0;
    std::array<Long, 5> IdleTime{};
    Long VoxLevel = 0;
    Long KeyMethod = 0;
    std::array<Long, 17> KeyDefine{};
    Long OptionTOT = 0;
    Long OptionReserved2 = 0;
    Long OptionReserved3 = 0;
    Long OptionReserved4 = 0;
    Long OptionReserved5 = 0;
    Long OptionReserved6 = 0;
    Long OptionReserved7 = 0;
    Long OptionReserved8 = 0;
    Long OptionReserved9 = 0;
    std::array<Long, 5> SleepPoint{};
    std::array<Long, 9> VoltageWarningInterval{};
    std::array<Long, 9> VoltageLower{};
    std::array<Long, 9> VoltageUpper{};
    Long VoxDelay = 0;
    std::array<Long, 33> ReservedList{};

    // --- Channels (channel n is index n - 1) ---
    ChannelTable ChannelType{};
    ChannelTable RxFreq{};
    ChannelTable RxCtcss{};
    ChannelTable RxDcs{};
    ChannelTable TxFreq{};
    ChannelTable TxCtcss{};
    ChannelTable TxDcs{};
    ChannelTable TxPower{};
    ChannelTable TxAuthority{};
    ChannelTable ChannelTOT{};
    ChannelTable SqlLevel{};
    ChannelTable ChannelSpace{};
    ChannelTable RxKeyEnable{};
    ChannelTable RxKeyLength{};
    ChannelTable TxKeyEnable{};
    ChannelTable TxKeyLength{};
    ChannelTable DenoiseLevel{};
    ChannelTable QuiteLevel{};
    ChannelTable RxColor{};
    ChannelTable TxColor{};
    ChannelTable ChannelRxList{};
    ChannelTable CallTypeTxID{};
    ChannelTable Compand{};
    ChannelTable ScrambleType{};
    // Four Longs per channel at index channel * 4 + k.
    KeyTable RxKey{};
    KeyTable TxKey{};

    // Receive list l (0..7), entry e (0..7) at l * 8 + e; -1 is an empty entry.
    std::array<Long, kRxLists * kRxListEntries> RxListEntry{};

    // --- Model and security buffers (not in the file, not on the wire) ---
    std::array<std::uint8_t, kRadioImageSize> RadioImage{};
    std::array<std::uint8_t, kPasswordBlockSize> PasswordBlock{};
    QString ProgramPassword;
    QString SecondPassword;
    bool PasswordBlockFlag = false;

    // --- Band limits in whole MHz ---
    std::int16_t BandLower = 0;
    std::int16_t BandUpper = 0;
    std::int16_t BandUpperTx = 0;
    // No band was ever confirmed in Model Information (nor given to zr40): the limits are the
    // start-up 100-550 MHz, wider than any band the radio is built for.
    bool BandNeverChosen = false;

    // --- Shared application state ---
    bool IsEnglish = false;
    QString FileName;
    QString DecimalSeparator = QStringLiteral(".");
    std::int16_t ComPortNumber = 1;
    // The serial device in use ("ttyUSB0", "/dev/serial/by-id/...", "COM3"). Systems that number
    // their ports COMn keep ComPortNumber in step with it.
    QString ComPortName;
    std::int16_t ChildWindowState = 0; // 0 normal, 1 minimised, 2 maximised
    // A write from the main window first backs the radio up and shows what will change; the
    // technician's choice, kept in the settings.
    bool BackupBeforeWrite = true;
    // A write from the transfer window is read back and compared; kept in the settings too.
    bool VerifyAfterWrite = true;

    bool ChannelInfoOpen = false;
    bool OptionOpen = false;
    bool KeySettingOpen = false;
    bool ScanInfoOpen = false;
    bool EmbedMessageOpen = false;
    bool ChannelEditOpen = false;
    bool TuneOpen = false;
    bool RxListOpen = false;

    bool LinkRead = false;
    bool LinkTune = false;
    bool LinkLocalMessage = false;
    bool LinkSpecial = false;
    bool LinkDtmf = false;
    bool LinkSucceeded = false;

    bool ProcessOpen = false;
    bool PasswordCancelled = false;
    bool PasswordCheckOnly = false;
    bool PasswordChanged = false;
    bool PasswordRejected = false;
    bool LanguageChosen = false;
    bool ModelChanged = false;
    QString ModelDataFile;

    std::int16_t GridEditRow = 0;
    std::int16_t GridEditColumn = 0;
    std::int16_t GridGroup = 0;
    bool ChannelDataChanged = false; // set by editors other than the grid; the grid reloads
    bool ChannelGridChanged = false; // set by the grid; the channel edit dialog reloads

    // --- Defaults ---
    void ResetHeader();
    void ResetTuneScalars();
    void ResetTunePoint(int i);
    void ResetOptions();
    void ResetChannel(int i);
    void ResetRxList(int l);

    // The codeplug as the application starts: tune points 1..10, channels 1..16 and the lists get
    // their defaults, channels 17..32 stay all zero, band 100..550 MHz.
    void ApplyStartupDefaults();
    // The New command: every tune point, channel and list gets its default; band limits, model
    // image, password block, file name and flags are left alone.
    void ApplyNewDefaults();

    // Application state as the main window sets it at start-up (flags cleared, "new.rdat").
    void ResetApplicationState();

    // --- Password block ---
    void AnalyseSoftwareData(); // block -> ProgramPassword, SecondPassword, PasswordBlockFlag
    void SaveSoftwareData();    // strings and flag -> block

    // --- Channel keys: up to 32 hex digits packed left-aligned into four Longs ---
    static KeyWords PackKey(const QString& digits);
    // Digit count with trailing zero digits dropped (how a stored key's length is recovered).
    static Long KeyLengthOf(const KeyWords& words);
    // The first `length` digits of the key, upper-case hexadecimal.
    static QString KeyText(const KeyWords& words, Long length);

    KeyWords RxKeyWords(int channel) const;
    KeyWords TxKeyWords(int channel) const;
    void SetRxKeyWords(int channel, const KeyWords& words);
    void SetTxKeyWords(int channel, const KeyWords& words);
    // Recompute RxKeyLength/TxKeyLength of one channel from its key words.
    void DeriveKeyLengths(int channel);

    // Equality over every value the .rdat file holds (header counts, tune, settings, channels,
    // keys, key lengths, lists).
    bool SameRadioData(const Codeplug& other) const;
};

// "." or "," as the user's locale writes one half.
QString LocaleDecimalSeparator();

} // namespace zr40
