#include "codeplug/codeplug_fields.h"

namespace zr40 {

namespace {

CodeplugField Scalar(const char* name, Long& value) {
    return {name, &value, 1, false};
}

template <typename Table> CodeplugField Array(const char* name, Table& table, int used) {
    return {name, table.data(), used, true};
}

} // namespace

std::vector<CodeplugField> CodeplugFields::Settings(Codeplug& cp) {
    const int tp = Codeplug::kTunePoints;
    return {Scalar("DataVersion", cp.DataVersion),
            Scalar("HeaderCount1", cp.HeaderCount1),
            Scalar("TunePointCount", cp.TunePointCount),
            Scalar("HeaderCount3", cp.HeaderCount3),
            Scalar("ChannelCount", cp.ChannelCount),
            Scalar("RxListCount", cp.RxListCount),
            Scalar("HeaderCount6", cp.HeaderCount6),
            Scalar("TuneHeader0", cp.TuneHeader0),
            Scalar("CtcssDev", cp.CtcssDev),
            Scalar("CdcssDev", cp.CdcssDev),
            Scalar("MicAmp", cp.MicAmp),
            Scalar("SpeakAmp", cp.SpeakAmp),
            Scalar("NoiseThW", cp.NoiseThW),
            Scalar("NoiseThN", cp.NoiseThN),
            Array("TuneFreq", cp.TuneFreq, tp),
            Array("TuneBias", cp.TuneBias, tp),
            Array("TuneOsc", cp.TuneOsc, tp),
            Array("TuneDigitalDev", cp.TuneDigitalDev, tp),
            Array("TuneSq", cp.TuneSq, tp),
            Scalar("LocalID", cp.LocalID),
            Scalar("VoicePrompt", cp.VoicePrompt),
            Scalar("OptionReserved1", cp.OptionReserved1),
            Array("IdleTime", cp.IdleTime, 4),
            Scalar("VoxLevel", cp.VoxLevel),
            Scalar("KeyMethod", cp.KeyMethod),
            Array("KeyDefine", cp.KeyDefine, 16),
            Scalar("OptionTOT", cp.OptionTOT),
            Scalar("OptionReserved2", cp.OptionReserved2),
            Scalar("OptionReserved3", cp.OptionReserved3),
            Scalar("OptionReserved4", cp.OptionReserved4),
            Scalar("OptionReserved5", cp.OptionReserved5),
            Scalar("OptionReserved6", cp.OptionReserved6),
            Scalar("OptionReserved7", cp.OptionReserved7),
            Scalar("OptionReserved8", cp.OptionReserved8),
            Scalar("OptionReserved9", cp.OptionReserved9),
            Array("SleepPoint", cp.SleepPoint, 4),
            Array("VoltageWarningInterval", cp.VoltageWarningInterval, 8),
            Array("VoltageLower", cp.VoltageLower, 8),
            Array("VoltageUpper", cp.VoltageUpper, 8),
            Scalar("VoxDelay", cp.VoxDelay),
            Array("ReservedList", cp.ReservedList, 32)};
}

std::vector<CodeplugField> CodeplugFields::Channel(Codeplug& cp, int c) {
    const int k = c * Codeplug::kKeyWords;
    return {Scalar("ChannelType", cp.ChannelType.at(c)),
            Scalar("RxFreq", cp.RxFreq[c]),
            Scalar("RxCtcss", cp.RxCtcss[c]),
            Scalar("RxDcs", cp.RxDcs[c]),
            Scalar("TxFreq", cp.TxFreq[c]),
            Scalar("TxCtcss", cp.TxCtcss[c]),
            Scalar("TxDcs", cp.TxDcs[c]),
            Scalar("TxPower", cp.TxPower[c]),
            Scalar("TxAuthority", cp.TxAuthority[c]),
            Scalar("ChannelTOT", cp.ChannelTOT[c]),
            Scalar("SqlLevel", cp.SqlLevel[c]),
            Scalar("ChannelSpace", cp.ChannelSpace[c]),
            Scalar("RxKeyEnable", cp.RxKeyEnable[c]),
            Scalar("RxKeyLength", cp.RxKeyLength[c]),
            {"RxKey", cp.RxKey.data() + k, Codeplug::kKeyWords, true},
            Scalar("TxKeyEnable", cp.TxKeyEnable[c]),
            Scalar("TxKeyLength", cp.TxKeyLength[c]),
            {"TxKey", cp.TxKey.data() + k, Codeplug::kKeyWords, true},
            Scalar("DenoiseLevel", cp.DenoiseLevel[c]),
            Scalar("QuiteLevel", cp.QuiteLevel[c]),
            Scalar("RxColor", cp.RxColor[c]),
            Scalar("TxColor", cp.TxColor[c]),
            Scalar("ChannelRxList", cp.ChannelRxList[c]),
            Scalar("CallTypeTxID", cp.CallTypeTxID[c]),
            Scalar("Compand", cp.Compand[c]),
            Scalar("ScrambleType", cp.ScrambleType[c])};
}

CodeplugField CodeplugFields::RxList(Codeplug& cp, int list) {
    return {"RxListEntry", cp.RxListEntry.data() + list * Codeplug::kRxListEntries,
            Codeplug::kRxListEntries, true};
}

} // namespace zr40
