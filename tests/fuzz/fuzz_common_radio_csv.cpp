// The common radio csv import: any text either imports or is refused with the codeplug untouched;
// an import writes consecutive channels from the first one asked for and nothing else, and the
// export of what it wrote imports back to the same channels.

#include "codeplug_fingerprint.h"
#include "exchange/channel_csv.h"
#include "exchange/common_radio_csv.h"
#include "fuzz_check.h"

using namespace zr40;
using namespace zr40::fuzz;

namespace {

// The codeplug with the given channels emptied, so that what is left can be compared.
Codeplug Without(Codeplug codeplug, const QList<int>& channels) {
    for (int c : channels)
        codeplug.ResetChannel(c);
    return codeplug;
}

QList<int> Run(int first, qsizetype count) {
    QList<int> run;
    for (int c = first; c < first + count; ++c)
        run << c;
    return run;
}

// Every channel the import wrote, exported alone and imported into empty channels, comes back.
void CheckRoundTrip(const Codeplug& imported, const QList<int>& written) {
    Codeplug alone = imported;
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        if (!written.contains(c))
            alone.ResetChannel(c);
    }
    ExchangeResult exported;
    const QByteArray csv = CommonRadioCsv::Export(alone, &exported);
    FUZZ_CHECK(exported.channels == written, "every channel an import wrote is exported");
    Codeplug copy = Without(imported, Run(0, Codeplug::kChannels));
    const ExchangeResult again = CommonRadioCsv::Import(QString::fromUtf8(csv), copy);
    FUZZ_CHECK(again.ok && again.channels == Run(0, written.size()), "an export imports whole");
    // Only the note that names are not kept (the export names its rows CH1, CH2, ...): no row is
    // skipped, no tone dropped.
    for (const QString& warning : again.warnings)
        FUZZ_CHECK(!warning.startsWith(QStringLiteral("row ")), "an export imports as it is");
    // What the format carries: the channel csv's RxMHz to Bandwidth. The rest an import keeps
    // from the channel it writes over.
    for (qsizetype i = 0; i < written.size(); ++i) {
        FUZZ_CHECK(ChannelCsv::Row(copy, int(i)).mid(1, 7) ==
                       ChannelCsv::Row(imported, written[i]).mid(1, 7),
                   "an exported channel imports as it was");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first channel follows the input's length, so that starts beyond the last channel and
    // imports running past it are tried too.
    const int first = int(size % 36) - 2;
    const Codeplug marked = MarkedCodeplug();
    Codeplug codeplug = marked;
    const ExchangeResult result = CommonRadioCsv::Import(text, codeplug, first);
    if (!result.ok) {
        FUZZ_CHECK(Fingerprint(codeplug) == Fingerprint(marked),
                   "a refused import leaves the codeplug as it was");
        FUZZ_CHECK(!result.error.isEmpty(), "a refused import says why");
        return 0;
    }
    FUZZ_CHECK(result.channels ==
                   Run(qBound(0, first, Codeplug::kChannels), result.channels.size()),
               "an import writes consecutive channels from the first one");
    FUZZ_CHECK(Fingerprint(Without(codeplug, result.channels)) ==
                   Fingerprint(Without(marked, result.channels)),
               "an import changes only the channels it names");
    CheckRoundTrip(codeplug, result.channels);
    return 0;
}
