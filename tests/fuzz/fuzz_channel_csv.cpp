// The csv channel import: any text either imports or is refused with the codeplug untouched and
// the line named; the export of what imported is a fixed point of import and export.

#include "codeplug/radio_data_file.h"
#include "codeplug_fingerprint.h"
#include "exchange/channel_csv.h"
#include "fuzz_check.h"

using namespace zr40;
using namespace zr40::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Codeplug codeplug = MarkedCodeplug();
    const QByteArray before = Fingerprint(codeplug);
    const ChannelCsv::ImportResult result = ChannelCsv::Import(text, codeplug);
    if (!result.ok) {
        FUZZ_CHECK(Fingerprint(codeplug) == before,
                   "a refused import leaves the codeplug as it was");
        FUZZ_CHECK(!result.error.isEmpty(), "a refused import says why");
        return 0;
    }
    const QByteArray exported = ChannelCsv::Export(codeplug);
    Codeplug copy = codeplug;
    const ChannelCsv::ImportResult again = ChannelCsv::Import(QString::fromUtf8(exported), copy);
    FUZZ_CHECK(again.ok, "an export imports");
    FUZZ_CHECK(ChannelCsv::Export(copy) == exported, "import and export are a fixed point");
    FUZZ_CHECK(RadioDataFile::Serialize(copy) == RadioDataFile::Serialize(codeplug),
               "importing an export changes nothing");
    return 0;
}
