#include "exchange/sample_plan.h"

#include "codeplug/model_band.h"

namespace zr40 {

namespace {

const char kSamplePlan[] =
    "Channel,RxMHz,TxMHz,Type,Decode,Encode,Power,Bandwidth,Squelch,RxColor,TxColor,RxList,"
    "CallType,TxID\n"
    "1,409.75,,Analog CH,67.0,67.0,High,25K(Wide),5,,,,,\n"
    "2,433.5,438.5,Analog CH,D023N,D023N,High,25K(Wide),5,,,,,\n"
    "3,446.00625,,Analog CH,88.5,None,Low,12.5K(Narrow),3,,,,,\n"
    "4,462.5625,467.5625,Analog CH,D754I,D754I,High,12.5K(Narrow),5,,,,,\n"
    "5,440.1,445.1,Digital CH,,,High,,5,1,1,1,Group Call,800001\n"
    "6,441.2,,Digital CH,,,High,,5,2,2,2,Group Call,800010\n"
    "7,442.3,,Digital CH,,,Low,,5,3,3,1,Single Call,1234\n"
    "8,470,,Digital CH,,,High,,5,1,1,1,All Call,\n";

} // namespace

QString SamplePlan::ChannelRows() {
    return QString::fromLatin1(kSamplePlan);
}

ChannelCsv::ImportResult SamplePlan::Apply(Codeplug& codeplug) {
    codeplug.BandLower = 400;
    codeplug.BandUpper = codeplug.BandUpperTx = 480;
    ModelBand::ApplyModelChange(codeplug, ModelBand::LoadModelData());
    ModelBand::AnalyseModel(codeplug);
    const ChannelCsv::ImportResult result = ChannelCsv::Import(ChannelRows(), codeplug);
    const Long groups[][3] = {{0x800001, 0x800002, 0x800003}, {0x800010, 0x800011, 0xFFFFFF}};
    for (int l = 0; l < 2; ++l)
        for (int e = 0; e < 3; ++e)
            codeplug.RxListEntry[l * Codeplug::kRxListEntries + e] = groups[l][e];
    codeplug.LocalID = 0x1234;
    return result;
}

} // namespace zr40
