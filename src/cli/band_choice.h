#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QString>

namespace zr40 {

class CommandLine;

// The band a command checks frequencies against: --band, else the band last confirmed in the
// desktop application's Model Information (the settings both programs share), else the start-up
// 100-550 MHz, which is wider than any band the radio is built for. Every command that judges
// frequencies says which band it used.
class BandChoice {
public:
    enum class Source { Option, Saved, None };

    static void AddOption(CommandLine& line);
    // Sets the codeplug's band limits and BandNeverChosen; false after a usage error.
    bool Apply(const CommandLine& line, Codeplug& codeplug);
    Source From() const { return source_; }
    // "Band: 400-480 MHz (--band)", and where it came from.
    QString Line(const Codeplug& codeplug, const TextContext& ctx) const;

private:
    Source source_ = Source::None;
};

} // namespace zr40
