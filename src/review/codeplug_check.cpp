#include "review/codeplug_check.h"

#include "channels/channel_rules.h"
#include "channels/rx_list_rules.h"
#include "channels/tone_rules.h"
#include "codeplug/codeplug_fields.h"

#include <QVector>
#include <algorithm>
#include <functional>

namespace zr40 {

namespace {

using Severity = PlanProblem::Severity;

constexpr qint64 kHertzPerMegahertz = 1000000;
constexpr Long kHighestId = 0xFFFFFF;

struct HeaderCount {
    const char* field;
    Long Codeplug::*value;
    int highest;
    const char* name;
};

// Counts the radio's tables cannot go beyond; a transfer would clamp them, a file that holds
// them was not written by this radio.
const HeaderCount kHeaderCounts[] = {
    {"TunePointCount", &Codeplug::TunePointCount, Codeplug::kTunePoints,
     QT_TRANSLATE_NOOP("CodeplugCheck", "Tune point count")},
    {"ChannelCount", &Codeplug::ChannelCount, Codeplug::kChannels,
     QT_TRANSLATE_NOOP("CodeplugCheck", "Channel count")},
    {"RxListCount", &Codeplug::RxListCount, Codeplug::kRxLists,
     QT_TRANSLATE_NOOP("CodeplugCheck", "Rx list count")},
};

QString Hex(Long value) {
    return QString::number(static_cast<quint32>(value), 16).toUpper();
}

class Checker {
public:
    explicit Checker(const Codeplug& codeplug)
        : cp_(codeplug), copy_(codeplug), ctx_(TextContext::Of(codeplug)) {}

    PlanProblems Run() {
        CheckHeader();
        CheckBandChosen();
        int inUse = 0;
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            if (ChannelRules::IsEmptyChannel(cp_, c))
                continue;
            ++inUse;
            CheckChannel(c);
        }
        if (inUse == 0)
            Add(Severity::Warning, PlanLocation::Channel(-1, QStringLiteral("RxFreq")),
                [](const TextContext& ctx) {
                    return ctx.Tr("CodeplugCheck",
                                  "No channel is in use; the radio would have no channel.");
                });
        CheckIdenticalChannels();
        CheckRxLists();
        std::stable_sort(
            problems_.begin(), problems_.end(),
            [](const PlanProblem& a, const PlanProblem& b) { return a.IsError() && !b.IsError(); });
        return problems_;
    }

private:
    // The problem in both languages, as `text` words it in each.
    void Add(Severity severity, const PlanLocation& location,
             const std::function<QString(const TextContext&)>& text) {
        problems_.append(
            {severity, location, text({true, Separator()}), text({false, Separator()})});
    }

    void CheckHeader() {
        if (cp_.DataVersion != 1)
            Add(Severity::Error, PlanLocation::Header(QStringLiteral("DataVersion")),
                [this](const TextContext& ctx) {
                    return ctx.Tr("CodeplugCheck", "Data version %1 is not the ZR40's (1).")
                        .arg(cp_.DataVersion);
                });
        for (const HeaderCount& count : kHeaderCounts) {
            const Long value = cp_.*count.value;
            if (value >= 0 && value <= count.highest)
                continue;
            Add(Severity::Error, PlanLocation::Header(QLatin1String(count.field)),
                [&count, value](const TextContext& ctx) {
                    //: A count of the file's header, its value and the highest it may be.
                    return ctx.Tr("CodeplugCheck", "%1 %2 is outside 0 to %3.")
                        .arg(ctx.Tr("CodeplugCheck", count.name))
                        .arg(value)
                        .arg(count.highest);
                });
        }
    }

    // The start-up band is wider than any band the radio is built for: a plan checked against it
    // alone can still hold frequencies the radio cannot use.
    void CheckBandChosen() {
        if (!cp_.BandNeverChosen)
            return;
        Add(Severity::Warning, PlanLocation::Model(), [this](const TextContext& ctx) {
            return ctx.Tr("CodeplugCheck", "No band chosen yet: checked only against %1-%2 MHz.")
                .arg(cp_.BandLower)
                .arg(cp_.BandUpper);
        });
    }

    void CheckChannel(int c) {
        CheckBand(c, FrequencySide::Rx);
        if (cp_.TxFreq.at(c) != 0) // 0 is a channel that only receives
            CheckBand(c, FrequencySide::Tx);
        const Long type = cp_.ChannelType.at(c);
        if (type != 1 && type != 2) {
            Add(Severity::Error, PlanLocation::Channel(c, QStringLiteral("ChannelType")),
                [type](const TextContext& ctx) {
                    return ctx
                        .Tr("CodeplugCheck",
                            "Channel type %1 is neither analog (1) nor digital (2).")
                        .arg(type);
                });
        }
        if (ChannelRules::IsDigital(cp_, c)) {
            CheckDigital(c);
            return;
        }
        CheckTone(c, FrequencySide::Rx);
        if (ChannelRules::TxFrequencyShown(cp_, c))
            CheckTone(c, FrequencySide::Tx);
    }

    void CheckBand(int c, FrequencySide side) {
        const bool rx = side == FrequencySide::Rx;
        const qint64 hertz = rx ? cp_.RxFreq.at(c) : cp_.TxFreq.at(c);
        const int upper = rx ? cp_.BandUpper : cp_.BandUpperTx;
        if (hertz >= cp_.BandLower * kHertzPerMegahertz && hertz <= upper * kHertzPerMegahertz)
            return;
        const QString text = ChannelRules::FrequencyText(static_cast<Long>(hertz), Separator());
        Add(Severity::Error,
            PlanLocation::Channel(c, rx ? QStringLiteral("RxFreq") : QStringLiteral("TxFreq")),
            [this, rx, text, upper](const TextContext& ctx) {
                return (rx ? ctx.Tr("CodeplugCheck",
                                    "Receive frequency %1 is outside the band %2 to %3 MHz.")
                           : ctx.Tr("CodeplugCheck",
                                    "Transmit frequency %1 is outside the band %2 to %3 MHz."))
                    .arg(text)
                    .arg(cp_.BandLower)
                    .arg(upper);
            });
    }

    void CheckTone(int c, FrequencySide side) {
        const bool rx = side == FrequencySide::Rx;
        const TonePair pair = rx ? TonePair{cp_.RxCtcss.at(c), cp_.RxDcs.at(c)}
                                 : TonePair{cp_.TxCtcss.at(c), cp_.TxDcs.at(c)};
        // A value no list item stores is an error also where the views show "None" for it.
        if (ToneRules::ListItemOf(pair) >= 0)
            return;
        const QString text = ToneRules::StoredToneText(pair, ctx_);
        Add(Severity::Error,
            PlanLocation::Channel(c, rx ? QStringLiteral("RxCtcss") : QStringLiteral("TxCtcss")),
            [rx, text](const TextContext& ctx) {
                return (rx ? ctx.Tr("CodeplugCheck", "Decode tone %1 is not on the tone list.")
                           : ctx.Tr("CodeplugCheck", "Encode tone %1 is not on the tone list."))
                    .arg(text);
            });
    }

    void CheckDigital(int c) {
        const Long list = cp_.ChannelRxList.at(c);
        if (list < 0 || list >= cp_.RxListCount) {
            Add(Severity::Error, PlanLocation::Channel(c, QStringLiteral("ChannelRxList")),
                [this, list](const TextContext& ctx) {
                    return ctx
                        .Tr("CodeplugCheck",
                            "Receive list %1 does not exist; the plan has %2 lists.")
                        .arg(list + 1)
                        .arg(cp_.RxListCount);
                });
        } else if (list < Codeplug::kRxLists && ListIsEmpty(list)) {
            Add(Severity::Warning, PlanLocation::Channel(c, QStringLiteral("ChannelRxList")),
                [list](const TextContext& ctx) {
                    return ctx.Tr("CodeplugCheck", "Receive list %1 is empty.").arg(list + 1);
                });
        }
        const Long id = cp_.CallTypeTxID.at(c);
        if (id < 0 || id > kHighestId)
            Add(Severity::Error, PlanLocation::Channel(c, QStringLiteral("CallTypeTxID")),
                [id](const TextContext& ctx) {
                    return ctx
                        .Tr("CodeplugCheck",
                            "Transmit ID %1 is outside the range of every call type.")
                        .arg(Hex(id));
                });
        CheckKey(c, FrequencySide::Rx);
        CheckKey(c, FrequencySide::Tx);
    }

    void CheckKey(int c, FrequencySide side) {
        const bool rx = side == FrequencySide::Rx;
        const Long enabled = rx ? cp_.RxKeyEnable.at(c) : cp_.TxKeyEnable.at(c);
        const Codeplug::KeyWords words = rx ? cp_.RxKeyWords(c) : cp_.TxKeyWords(c);
        if (enabled == 0 || Codeplug::KeyLengthOf(words) > 0)
            return;
        Add(Severity::Error,
            PlanLocation::Channel(c, rx ? QStringLiteral("RxKey") : QStringLiteral("TxKey")),
            [rx](const TextContext& ctx) {
                return rx ? ctx.Tr("CodeplugCheck", "The receive key is enabled but has no digits.")
                          : ctx.Tr("CodeplugCheck",
                                   "The transmit key is enabled but has no digits.");
            });
    }

    bool ListIsEmpty(int list) const {
        for (int e = 0; e < Codeplug::kRxListEntries; ++e) {
            if (RxListRules::IsValidEntry(cp_.RxListEntry.at(RxListRules::EntryIndex(list, e))))
                return false;
        }
        return true;
    }

    QVector<Long> ChannelValues(int c) {
        QVector<Long> values;
        for (const CodeplugField& field : CodeplugFields::Channel(copy_, c))
            values.append(QVector<Long>(field.data, field.data + field.count));
        return values;
    }

    void CheckIdenticalChannels() {
        QList<QPair<int, QVector<Long>>> seen;
        for (int c = 0; c < Codeplug::kChannels; ++c) {
            if (ChannelRules::IsEmptyChannel(cp_, c))
                continue;
            const QVector<Long> values = ChannelValues(c);
            const auto same = std::find_if(seen.begin(), seen.end(),
                                           [&values](const auto& s) { return s.second == values; });
            if (same == seen.end()) {
                seen.append({c, values});
                continue;
            }
            Add(Severity::Warning, PlanLocation::Channel(c, QStringLiteral("RxFreq")),
                [first = same->first](const TextContext& ctx) {
                    return ctx.Tr("CodeplugCheck", "Identical to channel %1.").arg(first + 1);
                });
        }
    }

    void CheckRxLists() {
        for (int l = 0; l < Codeplug::kRxLists; ++l) {
            for (int e = 0; e < Codeplug::kRxListEntries; ++e) {
                const Long id = cp_.RxListEntry.at(RxListRules::EntryIndex(l, e));
                if (!RxListRules::IsValidEntry(id))
                    continue;
                for (int earlier = 0; earlier < e; ++earlier) {
                    if (cp_.RxListEntry.at(RxListRules::EntryIndex(l, earlier)) != id)
                        continue;
                    Add(Severity::Warning, PlanLocation::RxList(l),
                        [id, earlier, e](const TextContext& ctx) {
                            return ctx
                                .Tr("CodeplugCheck",
                                    "ID %1 is in the list twice (entries %2 and %3).")
                                .arg(Hex(id))
                                .arg(earlier + 1)
                                .arg(e + 1);
                        });
                    break;
                }
            }
        }
    }

    QChar Separator() const { return ctx_.DecimalSeparator; }

    const Codeplug& cp_;
    Codeplug copy_; // CodeplugFields hands out writable views
    TextContext ctx_;
    PlanProblems problems_;
};

} // namespace

PlanProblems CodeplugCheck::Run(const Codeplug& codeplug) {
    return Checker(codeplug).Run();
}

bool CodeplugCheck::HasErrors(const PlanProblems& problems) {
    return Count(problems, PlanProblem::Severity::Error) > 0;
}

int CodeplugCheck::Count(const PlanProblems& problems, PlanProblem::Severity severity) {
    return static_cast<int>(
        std::count_if(problems.begin(), problems.end(),
                      [severity](const PlanProblem& p) { return p.severity == severity; }));
}

} // namespace zr40
