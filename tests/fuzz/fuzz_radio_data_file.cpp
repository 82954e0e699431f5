// The loader of radio data files: any bytes either load whole or leave the codeplug exactly as
// it was; a loaded file gives back its values byte for byte, and its key lengths are the reach
// of its keys.

#include "codeplug/radio_data_file.h"
#include "codeplug_fingerprint.h"
#include "fuzz_check.h"

using namespace zr40;
using namespace zr40::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (auto mode : {RadioDataFile::KeyLengths::AsStored, RadioDataFile::KeyLengths::Recompute}) {
        Codeplug codeplug = MarkedCodeplug();
        const QByteArray before = Fingerprint(codeplug);
        if (!RadioDataFile::Parse(bytes, codeplug, mode).ok()) {
            FUZZ_CHECK(Fingerprint(codeplug) == before,
                       "a failed load leaves the codeplug as it was");
            continue;
        }
        const QByteArray saved = RadioDataFile::Serialize(codeplug);
        FUZZ_CHECK(saved.size() == RadioDataFile::kFileSize, "a save is one whole file");
        if (mode == RadioDataFile::KeyLengths::AsStored) {
            FUZZ_CHECK(saved.mid(RadioDataFile::kHeaderSize) ==
                           bytes.mid(RadioDataFile::kHeaderSize,
                                     RadioDataFile::kFileSize - RadioDataFile::kHeaderSize),
                       "an exact load gives back every value of the file");
            continue;
        }
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            FUZZ_CHECK(codeplug.RxKeyLength[c] == Codeplug::KeyLengthOf(codeplug.RxKeyWords(c)),
                       "receive key length is the reach of the key");
            FUZZ_CHECK(codeplug.TxKeyLength[c] == Codeplug::KeyLengthOf(codeplug.TxKeyWords(c)),
                       "transmit key length is the reach of the key");
        }
        Codeplug again = MarkedCodeplug();
        FUZZ_CHECK(RadioDataFile::Parse(saved, again).ok(), "a saved file loads");
        FUZZ_CHECK(RadioDataFile::Serialize(again) == saved, "save and load are a fixed point");
    }
    return 0;
}
