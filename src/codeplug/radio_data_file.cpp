#include "codeplug/radio_data_file.h"

#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"

#include <QtEndian>

namespace zr40 {

const char RadioDataFile::kHeader[kHeaderSize + 1] = "ZR40 Ver1.0.1   ";

namespace {

// Calls visit(value) for every Long of the file body, in file order. One walk serves both
// directions so that reading and writing cannot drift apart. Codeplug may be const or not.
template <typename Cp, typename Visit> void VisitBody(Cp& cp, Visit&& visit) {
    for (auto* v :
         {&cp.DataVersion, &cp.HeaderCount1, &cp.HeaderCount3, &cp.TunePointCount, &cp.ChannelCount,
          &cp.RxListCount, &cp.HeaderCount6, &cp.TuneHeader0, &cp.CtcssDev, &cp.CdcssDev,
          &cp.MicAmp, &cp.SpeakAmp, &cp.NoiseThW, &cp.NoiseThN})
        visit(*v);
    for (int i = 0; i < Codeplug::kTunePoints; ++i)
        for (auto* t : {&cp.TuneFreq, &cp.TuneBias, &cp.TuneOsc, &cp.TuneDigitalDev, &cp.TuneSq})
            visit((*t)[i]);
    for (auto* v : {&cp.LocalID, &cp.VoicePrompt, &cp.OptionReserved1})
        visit(*v);
    for (int i = 0; i < 4; ++i)
        visit(cp.IdleTime[i]);
    visit(cp.VoxLevel);
    visit(cp.KeyMethod);
    for (int i = 0; i < 16; ++i)
        visit(cp.KeyDefine[i]);
    for (auto* v : {&cp.OptionTOT, &cp.OptionReserved2, &cp.OptionReserved3, &cp.OptionReserved4,
                    &cp.OptionReserved5, &cp.OptionReserved6, &cp.OptionReserved7,
                    &cp.OptionReserved8, &cp.OptionReserved9})
        visit(*v);
    for (int i = 0; i < 4; ++i)
        visit(cp.SleepPoint[i]);
    for (int i = 0; i < 8; ++i) {
        visit(cp.VoltageWarningInterval[i]);
        visit(cp.VoltageLower[i]);
        visit(cp.VoltageUpper[i]);
    }
    visit(cp.VoxDelay);
    for (int i = 0; i < 32; ++i)
        visit(cp.ReservedList[i]);
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        for (auto* t : {&cp.ChannelType, &cp.RxFreq, &cp.RxCtcss, &cp.RxDcs, &cp.TxFreq,
                        &cp.TxCtcss, &cp.TxDcs, &cp.TxPower, &cp.TxAuthority, &cp.ChannelTOT,
                        &cp.SqlLevel, &cp.ChannelSpace, &cp.RxKeyEnable, &cp.RxKeyLength})
            visit((*t)[c]);
        for (int k = 0; k < Codeplug::kKeyWords; ++k)
            visit(cp.RxKey[c * Codeplug::kKeyWords + k]);
        visit(cp.TxKeyEnable[c]);
        visit(cp.TxKeyLength[c]);
        for (int k = 0; k < Codeplug::kKeyWords; ++k)
            visit(cp.TxKey[c * Codeplug::kKeyWords + k]);
        for (auto* t : {&cp.DenoiseLevel, &cp.QuiteLevel, &cp.RxColor, &cp.TxColor,
                        &cp.ChannelRxList, &cp.CallTypeTxID, &cp.Compand, &cp.ScrambleType})
            visit((*t)[c]);
    }
    for (auto& entry : cp.RxListEntry)
        visit(entry);
}

} // namespace

QByteArray RadioDataFile::Serialize(const Codeplug& codeplug) {
    QByteArray bytes(kHeader, kHeaderSize);
    bytes.reserve(kFileSize);
    VisitBody(codeplug, [&bytes](const Long& value) {
        char le[4];
        qToLittleEndian<qint32>(value, le);
        bytes.append(le, 4);
    });
    return bytes;
}

FileResult RadioDataFile::Parse(const QByteArray& bytes, Codeplug& codeplug,
                                KeyLengths keyLengths) {
    if (bytes.size() < kCheckedHeaderSize || !bytes.startsWith(QByteArray(kHeader, 8)))
        return FileResult::Failure(FileResult::FileError::BadHeader);
    // Without a length field a short file would leave the tail of the codeplug from whatever was
    // loaded before; refuse it whole instead.
    if (bytes.size() < kFileSize)
        return FileResult::Failure(FileResult::FileError::TooShort);
    Codeplug loaded = codeplug;
    int offset = kHeaderSize;
    VisitBody(loaded, [&](Long& value) {
        value = qFromLittleEndian<qint32>(bytes.constData() + offset);
        offset += 4;
    });
    // The file's own lengths are not trusted: a key's length is how far its digits reach.
    if (keyLengths == KeyLengths::Recompute)
        for (int c = 0; c < Codeplug::kChannels; ++c)
            loaded.DeriveKeyLengths(c);
    codeplug = loaded;
    return FileResult::Success();
}

FileResult RadioDataFile::ReadFromFile(const FilePath& path, Codeplug& codeplug,
                                       KeyLengths keyLengths) {
    QByteArray bytes;
    FileResult result = FileReader::Read(path, kFileSize, FileReader::Beyond::Ignore, bytes);
    if (result.ok())
        result = Parse(bytes, codeplug, keyLengths);
    result.file = path.Text();
    return result;
}

FileResult RadioDataFile::WriteToFile(const FilePath& path, const Codeplug& codeplug) {
    return FileWriter::Write(path, Serialize(codeplug));
}

void RadioDataFile::CopyValues(const Codeplug& from, Codeplug& to) {
    Parse(Serialize(from), to, KeyLengths::AsStored);
}

} // namespace zr40
