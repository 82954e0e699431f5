#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "exchange/exchange_result.h"

#include <QByteArray>
#include <QString>

namespace zr40 {

// The three ways a plan travels to and from other tools: json (every value), the channel csv
// (the grid's columns) and the common radio csv (analog channels as open radio programmers
// write them). The command line and the application choose and apply them here.
class PlanExchange {
public:
    enum class Format { Unknown, Json, ChannelCsv, CommonCsv };

    // "json", "csv", "common-csv".
    static QString Name(Format format);
    static Format FromName(const QString& name);
    // By extension: .json is json, .csv the channel csv.
    static Format FromPath(const QString& path);
    // By content: a json object, a common csv header row or a channel csv header row.
    static Format FromContent(const QByteArray& bytes);

    // Applies the text to the plan; the common csv starts at channel `firstChannel` (index).
    // Untouched when not ok.
    static ExchangeResult Import(Format format, const QByteArray& bytes, Codeplug& codeplug,
                                 int firstChannel, const TextContext& ctx);
    // The plan in the format; warnings (channels left out) in `report`.
    static QByteArray Export(Format format, const Codeplug& codeplug, ExchangeResult* report,
                             const TextContext& ctx);
};

} // namespace zr40
