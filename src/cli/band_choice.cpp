#include "band_choice.h"

#include "cli_io.h"
#include "codeplug/settings_store.h"
#include "command_line.h"

namespace zr40 {

void BandChoice::AddOption(CommandLine& line) {
    line.AddOption({"band",
                    "Band limits the frequencies are checked against, e.g. 400-480 (default: the "
                    "band last chosen in the desktop application's Model Information, else "
                    "100-550).",
                    "LOW-HIGH"});
}

bool BandChoice::Apply(const CommandLine& line, Codeplug& codeplug) {
    if (line.IsSet(QStringLiteral("band"))) {
        if (!CliIo::ApplyBand(line.Value(QStringLiteral("band")), codeplug)) {
            line.Usage(QStringLiteral("--band must read like 400-480"));
            return false;
        }
        source_ = Source::Option;
        codeplug.BandNeverChosen = false;
        return true;
    }
    SettingsStore().LoadBand(codeplug);
    source_ = codeplug.BandNeverChosen ? Source::None : Source::Saved;
    return true;
}

QString BandChoice::Line(const Codeplug& codeplug, const TextContext& ctx) const {
    const QString band =
        ctx.Tr("BandChoice", "Band: %1-%2 MHz").arg(codeplug.BandLower).arg(codeplug.BandUpper);
    switch (source_) {
    case Source::Option:
        return band + ctx.Tr("BandChoice", " (--band)");
    case Source::Saved:
        return band + ctx.Tr("BandChoice", " (the band last chosen in Model Information)");
    case Source::None:
        break;
    }
    return band + ctx.Tr("BandChoice",
                         " (no band chosen: give --band, or choose one in Model Information)");
}

} // namespace zr40
