#include "review/codeplug_diff.h"

#include "channels/channel_rules.h"
#include "channels/rx_list_rules.h"
#include "codeplug/codeplug_fields.h"
#include "link/memory_map.h"
#include "review/diff_items.h"

#include <QSet>
#include <QVector>
#include <functional>

namespace zr40 {

namespace {

// The stored values of a part of the plan, by field name, in the order the file holds them.
struct Values {
    struct Field {
        QString name;
        QVector<Long> values;
        bool array;
    };
    std::vector<Field> fields;

    explicit Values(const std::vector<CodeplugField>& from) {
        for (const CodeplugField& f : from)
            fields.push_back(
                {QLatin1String(f.name), QVector<Long>(f.data, f.data + f.count), f.array});
    }
    const Field* Find(const QString& name) const {
        for (const Field& f : fields)
            if (f.name == name)
                return &f;
        return nullptr;
    }
    // "RxFreq" (the whole field) or "KeyDefine[2]" (one element).
    QVector<Long> Of(const QString& valueRef) const {
        const qsizetype bracket = valueRef.indexOf(QLatin1Char('['));
        const Field* f = Find(bracket < 0 ? valueRef : valueRef.left(bracket));
        if (!f)
            return {};
        if (bracket < 0)
            return f->values;
        const int element = valueRef.mid(bracket + 1).chopped(1).toInt();
        return {f->values.value(element)};
    }
    QVector<Long> All() const {
        QVector<Long> all;
        for (const Field& f : fields)
            all += f.values;
        return all;
    }
};

const QStringList kHeaderFields = {"DataVersion",  "HeaderCount1", "TunePointCount", "HeaderCount3",
                                   "ChannelCount", "RxListCount",  "HeaderCount6"};
const QStringList kTuneScalarFields = {"TuneHeader0", "CtcssDev", "CdcssDev", "MicAmp",
                                       "SpeakAmp",    "NoiseThW", "NoiseThN"};
const QStringList kTunePointFields = {"TuneFreq", "TuneBias", "TuneOsc", "TuneDigitalDev",
                                      "TuneSq"};

using Where = std::function<PlanLocation(const QString& field)>;

class Differ {
public:
    Differ(const Codeplug& before, const Codeplug& after, const TextContext& ctx)
        : a_(before), b_(after), ca_(before), cb_(after), ctx_(ctx) {}

    PlanDifferences Run() {
        const Values sa(CodeplugFields::Settings(ca_));
        const Values sb(CodeplugFields::Settings(cb_));
        Part(DiffItems::Header(ctx_), sa, sb, PlanLocation::Header, &kHeaderFields);
        QStringList settingFields;
        for (const auto& f : sa.fields)
            if (!kHeaderFields.contains(f.name) && !kTuneScalarFields.contains(f.name) &&
                !kTunePointFields.contains(f.name))
                settingFields << f.name;
        Part(DiffItems::Settings(ctx_), sa, sb, PlanLocation::Settings, &settingFields);
        for (int c = 0; c < Codeplug::kChannels; ++c)
            Channel(c);
        for (int l = 0; l < Codeplug::kRxLists; ++l)
            RxList(l);
        Part(
            DiffItems::TuneScalars(ctx_), sa, sb,
            [](const QString& field) { return PlanLocation::Tune(-1, field); }, &kTuneScalarFields);
        for (int p = 0; p < Codeplug::kTunePoints; ++p)
            Part(
                DiffItems::TunePoint(p, ctx_), sa, sb,
                [p](const QString& field) { return PlanLocation::Tune(p, field); }, nullptr);
        return rows_;
    }

private:
    // The items of a part of the plan, then (when `rest` names the part's fields) every value
    // of it that no item stands for, by its program name.
    void Part(const std::vector<DiffItem>& items, const Values& va, const Values& vb,
              const Where& where, const QStringList* rest) {
        QSet<QString> claimed;
        for (const DiffItem& item : items) {
            QVector<Long> ra, rb;
            for (const QString& valueRef : item.values) {
                ra += va.Of(valueRef);
                rb += vb.Of(valueRef);
                claimed.insert(valueRef);
            }
            Emit(where(item.field), item.caption, item.text(a_), item.text(b_), ra, rb);
        }
        if (rest)
            Unnamed(va, vb, where, *rest, claimed);
    }

    void Unnamed(const Values& va, const Values& vb, const Where& where, const QStringList& names,
                 const QSet<QString>& claimed) {
        for (const QString& name : names) {
            const Values::Field* fa = va.Find(name);
            const Values::Field* fb = vb.Find(name);
            if (!fa || !fb || claimed.contains(name))
                continue;
            for (int e = 0; e < fa->values.size(); ++e) {
                const QString valueRef =
                    fa->array ? QStringLiteral("%1[%2]").arg(name).arg(e) : name;
                if (claimed.contains(valueRef))
                    continue;
                const Long x = fa->values[e];
                const Long y = fb->values.value(e);
                Emit(where(name), valueRef, QString::number(x), QString::number(y), {x}, {y});
            }
        }
    }

    void Channel(int c) {
        const Values va(CodeplugFields::Channel(ca_, c));
        const Values vb(CodeplugFields::Channel(cb_, c));
        const bool usedBefore = !ChannelRules::IsEmptyChannel(a_, c);
        const bool usedAfter = !ChannelRules::IsEmptyChannel(b_, c);
        const PlanLocation where = PlanLocation::Channel(c, QStringLiteral("RxFreq"));
        if (!usedBefore && !usedAfter) {
            // Not shown anywhere; one row says that the radio's memory still changes, and which
            // stored values do (a read-back that differs there must say what it found).
            const QString unused = DiffItems::NotInUseText(ctx_);
            const auto [storedBefore, storedAfter] = StoredDifferences(va, vb);
            Emit(where, ctx_.Tr("CodeplugDiff", "Stored values"), unused + storedBefore,
                 unused + storedAfter, va.All(), vb.All(), false);
            return;
        }
        if (usedBefore != usedAfter) {
            Emit(where, ctx_.Tr("CodeplugDiff", "Channel"), DiffItems::ChannelSummary(a_, c, ctx_),
                 DiffItems::ChannelSummary(b_, c, ctx_), va.All(), vb.All(), false);
            return;
        }
        QStringList names;
        for (const auto& f : va.fields)
            names << f.name;
        Part(
            DiffItems::Channel(c, ctx_), va, vb,
            [c](const QString& field) { return PlanLocation::Channel(c, field); }, &names);
    }

    void RxList(int l) {
        for (int e = 0; e < Codeplug::kRxListEntries; ++e) {
            const Long x = a_.RxListEntry.at(RxListRules::EntryIndex(l, e));
            const Long y = b_.RxListEntry.at(RxListRules::EntryIndex(l, e));
            const QString caption = ctx_.Tr("CodeplugDiff", "Entry %1").arg(e + 1);
            Emit(PlanLocation::RxList(l), caption, EntryText(x), EntryText(y), {x}, {y});
        }
    }

    static QString EntryText(Long value) {
        const QString text = RxListRules::EntryText(value);
        return text.isEmpty() ? DiffItems::EmptyText() : text;
    }

    void Emit(const PlanLocation& where, const QString& field, QString before, QString after,
              const QVector<Long>& storedBefore, const QVector<Long>& storedAfter,
              bool showStored = true) {
        if (storedBefore == storedAfter)
            return;
        if (before == after && showStored) {
            before += Stored(storedBefore);
            after += Stored(storedAfter);
        }
        rows_.append({where, field, before, after});
    }

    // " [RxFreq 0, SqlLevel 3]" on each side: the values that differ, by field.
    static std::pair<QString, QString> StoredDifferences(const Values& va, const Values& vb) {
        QStringList before;
        QStringList after;
        for (size_t f = 0; f < va.fields.size() && f < vb.fields.size(); ++f) {
            const Values::Field& x = va.fields[f];
            const Values::Field& y = vb.fields[f];
            for (int e = 0; e < x.values.size(); ++e) {
                if (x.values[e] == y.values.value(e))
                    continue;
                const QString name = x.array ? QStringLiteral("%1[%2]").arg(x.name).arg(e) : x.name;
                before << name + QLatin1Char(' ') + QString::number(x.values[e]);
                after << name + QLatin1Char(' ') + QString::number(y.values.value(e));
            }
        }
        const auto bracket = [](const QStringList& items) {
            return QStringLiteral(" [") + items.join(QStringLiteral(", ")) + QLatin1Char(']');
        };
        return {bracket(before), bracket(after)};
    }

    static QString Stored(const QVector<Long>& values) {
        QStringList numbers;
        for (Long v : values)
            numbers << QString::number(v);
        return QStringLiteral(" [") + numbers.join(QLatin1Char(' ')) + QLatin1Char(']');
    }

    const Codeplug& a_;
    const Codeplug& b_;
    Codeplug ca_; // CodeplugFields hands out writable views
    Codeplug cb_;
    TextContext ctx_;
    PlanDifferences rows_;
};

} // namespace

PlanDifferences CodeplugDiff::Compare(const Codeplug& before, const Codeplug& after,
                                      const TextContext& ctx) {
    return Differ(before, after, ctx).Run();
}

Codeplug CodeplugDiff::RadioAfterWrite(const Codeplug& radio, const Codeplug& plan, bool tune) {
    Codeplug after = radio;
    const auto send = [&](BlockType block, int index) {
        MemoryMap::Store(after, block, index, MemoryMap::Payload(plan, block, index));
    };
    if (tune) {
        send(BlockType::TuneHeader, 0);
        for (int p = 0; p < MemoryMap::BlocksFor(radio.TunePointCount, Codeplug::kTunePoints); ++p)
            send(BlockType::TunePoint, p);
    }
    send(BlockType::Settings, 0);
    for (int c = 0; c < MemoryMap::BlocksFor(radio.ChannelCount, Codeplug::kChannels); ++c)
        send(BlockType::Channel, c);
    for (int l = 0; l < MemoryMap::BlocksFor(radio.RxListCount, Codeplug::kRxLists); ++l)
        send(BlockType::RxList, l);
    return after;
}

PlanDifferences CodeplugDiff::PasswordChange(Long radioPassword, const NewPasswordChoice& choice,
                                             const TextContext& ctx) {
    // Only a radio without a password lets an empty entry through.
    const bool hadPassword = !TransferEngine::PasswordAccepted(radioPassword, QString());
    const bool hasPassword = choice.change ? !choice.newPassword.isEmpty() : hadPassword;
    const bool same = choice.change && hadPassword && hasPassword &&
                      TransferEngine::PasswordAccepted(radioPassword, choice.newPassword);
    if (!choice.change || same || (!hadPassword && !hasPassword))
        return {};
    const QString none = ctx.Tr("CodeplugDiff", "None");
    return {{PlanLocation::Settings(QStringLiteral("Password")), ctx.Tr("CodeplugDiff", "Password"),
             hadPassword ? ctx.Tr("CodeplugDiff", "Set") : none,
             hasPassword ? ctx.Tr("CodeplugDiff", "New password") : none}};
}

PlanDifferences CodeplugDiff::WriteChanges(const Codeplug& radio, const Codeplug& plan,
                                           const TextContext& ctx, bool tune) {
    PlanDifferences changes = Compare(radio, RadioAfterWrite(radio, plan, tune), ctx);
    const int sent = MemoryMap::BlocksFor(radio.TunePointCount, Codeplug::kTunePoints);
    const int shown = MemoryMap::BlocksFor(plan.TunePointCount, Codeplug::kTunePoints);
    // A radio with fewer tune points than the page shows takes only its own: said before the
    // write, where the technician still chooses.
    if (tune && sent < shown)
        changes.prepend(
            {PlanLocation::Tune(-1, QStringLiteral("TunePointCount")),
             ctx.Tr("CodeplugDiff", "Tune points written"), QString::number(sent),
             ctx.Tr("CodeplugDiff", "%1 of the %2 on the page; points %3-%2 are not written")
                 .arg(sent)
                 .arg(shown)
                 .arg(sent + 1)});
    return changes;
}

} // namespace zr40
