// The json import: any text either imports or is refused with the codeplug untouched and the
// field named; whatever imports exports and imports again to the same file.

#include "codeplug/radio_data_file.h"
#include "codeplug_fingerprint.h"
#include "exchange/codeplug_json.h"
#include "fuzz_check.h"

using namespace zr40;
using namespace zr40::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    Codeplug codeplug = MarkedCodeplug();
    const QByteArray before = Fingerprint(codeplug);
    QString error;
    if (!CodeplugJson::Import(json, codeplug, error)) {
        FUZZ_CHECK(Fingerprint(codeplug) == before,
                   "a refused import leaves the codeplug as it was");
        FUZZ_CHECK(!error.isEmpty(), "a refused import says why");
        return 0;
    }
    Codeplug copy; // from nothing: the export names every value of the file
    QString again;
    FUZZ_CHECK(CodeplugJson::Import(CodeplugJson::Export(codeplug), copy, again),
               "an export imports");
    FUZZ_CHECK(RadioDataFile::Serialize(copy) == RadioDataFile::Serialize(codeplug),
               "export and import rebuild the same file");
    return 0;
}
