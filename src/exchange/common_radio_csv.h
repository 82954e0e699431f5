#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "exchange/exchange_result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zr40 {

// The channel list format most open radio programmers exchange: one row per memory with the
// columns Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment and the D-STAR calls.
// Only analog FM channels have a place in this radio.
class CommonRadioCsv {
public:
    static QStringList Columns();
    // The text's first row names the columns Location and Frequency.
    static bool Recognises(const QString& text);

    // Rows go in file order into channel `firstChannel` (index) and on; Location does not choose
    // the channel. A row that cannot be an analog channel of this radio in its band (another
    // mode, a frequency outside the band, an unknown duplex) is skipped with a warning; a tone the
    // radio lacks is dropped with a warning. Rows past channel 32 are left over with a warning.
    // Not ok, and the codeplug untouched, when no row could be used. Messages follow ctx.
    static ExchangeResult Import(const QString& text, Codeplug& codeplug, int firstChannel = 0,
                                 const TextContext& ctx = {true, QLatin1Char('.')});
    // The analog channels in use, chosen so that an import gives back the same channels; digital
    // channels are left out with a warning in `report` (its channels are the ones written).
    static QByteArray Export(const Codeplug& codeplug, ExchangeResult* report = nullptr,
                             const TextContext& ctx = {true, QLatin1Char('.')});
};

} // namespace zr40
