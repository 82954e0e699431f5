#include "codeplug_fill_support.h"

namespace zr40::test {

namespace {

template <typename Table> void FillTable(Table& table, int& next) {
    for (auto& value : table)
        value = next++;
}

} // namespace

void FillDistinct(Codeplug& cp) {
    int next = 100000;
    for (Long* v :
         {&cp.DataVersion,     &cp.HeaderCount1,    &cp.TunePointCount,  &cp.HeaderCount3,
          &cp.ChannelCount,    &cp.RxListCount,     &cp.HeaderCount6,    &cp.TuneHeader0,
          &cp.CtcssDev,        &cp.CdcssDev,        &cp.MicAmp,          &cp.SpeakAmp,
          &cp.NoiseThW,        &cp.NoiseThN,        &cp.LocalID,         &cp.VoicePrompt,
          &cp.OptionReserved1, &cp.VoxLevel,        &cp.KeyMethod,       &cp.OptionTOT,
          &cp.OptionReserved2, &cp.OptionReserved3, &cp.OptionReserved4, &cp.OptionReserved5,
          &cp.OptionReserved6, &cp.OptionReserved7, &cp.OptionReserved8, &cp.OptionReserved9,
          &cp.VoxDelay})
        *v = next++;
    for (auto* t : {&cp.TuneFreq, &cp.TuneBias, &cp.TuneOsc, &cp.TuneDigitalDev, &cp.TuneSq})
        FillTable(*t, next);
    FillTable(cp.IdleTime, next);
    FillTable(cp.KeyDefine, next);
    FillTable(cp.SleepPoint, next);
    FillTable(cp.VoltageWarningInterval, next);
    FillTable(cp.VoltageLower, next);
    FillTable(cp.VoltageUpper, next);
    FillTable(cp.ReservedList, next);
    for (auto* t :
         {&cp.ChannelType,   &cp.RxFreq,       &cp.RxCtcss,     &cp.RxDcs,       &cp.TxFreq,
          &cp.TxCtcss,       &cp.TxDcs,        &cp.TxPower,     &cp.TxAuthority, &cp.ChannelTOT,
          &cp.SqlLevel,      &cp.ChannelSpace, &cp.RxKeyEnable, &cp.RxKeyLength, &cp.TxKeyEnable,
          &cp.TxKeyLength,   &cp.DenoiseLevel, &cp.QuiteLevel,  &cp.RxColor,     &cp.TxColor,
          &cp.ChannelRxList, &cp.CallTypeTxID, &cp.Compand,     &cp.ScrambleType})
        FillTable(*t, next);
    // Odd key words end in a non-zero digit, so recomputed lengths are 32 for every key.
    FillTable(cp.RxKey, next);
    FillTable(cp.TxKey, next);
    for (auto& key : cp.RxKey)
        key |= 1;
    for (auto& key : cp.TxKey)
        key |= 1;
    FillTable(cp.RxListEntry, next);
}

} // namespace zr40::test
