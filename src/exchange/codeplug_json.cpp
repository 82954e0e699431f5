#include "exchange/codeplug_json.h"

#include "codeplug/codeplug_fields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

namespace zr40 {

namespace {

QByteArray Values(const CodeplugField& field) {
    QByteArray text;
    if (field.array)
        text += '[';
    for (int i = 0; i < field.count; ++i) {
        if (i > 0)
            text += ", ";
        text += QByteArray::number(field.data[i]);
    }
    if (field.array)
        text += ']';
    return text;
}

QByteArray Members(const std::vector<CodeplugField>& fields, const QByteArray& indent) {
    QByteArray text;
    for (size_t i = 0; i < fields.size(); ++i) {
        text += indent + '"' + fields[i].name + "\": " + Values(fields[i]);
        text += i + 1 < fields.size() ? ",\n" : "\n";
    }
    return text;
}

QByteArray ChannelsText(Codeplug& cp) {
    QByteArray text = "  \"Channels\": [\n";
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        text += "    {\n" + Members(CodeplugFields::Channel(cp, c), "      ") + "    }";
        text += c + 1 < Codeplug::kChannels ? ",\n" : "\n";
    }
    return text + "  ],\n";
}

QByteArray RxListsText(Codeplug& cp) {
    QByteArray text = "  \"RxListEntry\": [\n";
    for (int l = 0; l < Codeplug::kRxLists; ++l) {
        text += "    " + Values(CodeplugFields::RxList(cp, l));
        text += l + 1 < Codeplug::kRxLists ? ",\n" : "\n";
    }
    return text + "  ]\n";
}

bool ToLong(const QJsonValue& value, Long& out) {
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    // The range comes first: converting a double outside it to an integer is undefined.
    if (!(d >= std::numeric_limits<Long>::min() && d <= std::numeric_limits<Long>::max()))
        return false;
    const Long whole = static_cast<Long>(d);
    if (static_cast<double>(whole) != d)
        return false;
    out = whole;
    return true;
}

// Reads one named field into `field`; the message names the field and what was expected.
bool ReadField(const QJsonValue& value, const CodeplugField& field, const QString& where,
               QString& error, const TextContext& ctx) {
    const QString integer = ctx.Tr("CodeplugJson", ": expected a 32-bit integer");
    if (!field.array) {
        if (!ToLong(value, field.data[0])) {
            error = where + integer;
            return false;
        }
        return true;
    }
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != field.count) {
        error = where + ctx.Tr("CodeplugJson", ": expected a list of %1 integers").arg(field.count);
        return false;
    }
    for (int i = 0; i < field.count; ++i)
        if (!ToLong(array[i], field.data[i])) {
            error = where + QStringLiteral("[%1]").arg(i) + integer;
            return false;
        }
    return true;
}

bool ReadObject(const QJsonObject& object, const std::vector<CodeplugField>& fields,
                const QString& prefix, const QStringList& handledElsewhere, QString& error,
                const TextContext& ctx) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (handledElsewhere.contains(it.key()))
            continue;
        auto field = std::find_if(fields.begin(), fields.end(), [&](const CodeplugField& f) {
            return it.key() == QLatin1String(f.name);
        });
        if (field == fields.end()) {
            error = prefix + it.key() + ctx.Tr("CodeplugJson", ": unknown field");
            return false;
        }
        if (!ReadField(it.value(), *field, prefix + it.key(), error, ctx))
            return false;
    }
    return true;
}

bool ReadChannels(const QJsonValue& value, Codeplug& cp, QString& error, const TextContext& ctx) {
    const QJsonArray channels = value.toArray();
    if (!value.isArray() || channels.size() > Codeplug::kChannels) {
        error = ctx.Tr("CodeplugJson", "Channels: expected a list of at most 32 channel objects");
        return false;
    }
    for (int c = 0; c < channels.size(); ++c) {
        const QString where = QStringLiteral("Channels[%1].").arg(c);
        if (!channels[c].isObject()) {
            error = where.chopped(1) + ctx.Tr("CodeplugJson", ": expected a channel object");
            return false;
        }
        if (!ReadObject(channels[c].toObject(), CodeplugFields::Channel(cp, c), where, {}, error,
                        ctx))
            return false;
    }
    return true;
}

bool ReadRxLists(const QJsonValue& value, Codeplug& cp, QString& error, const TextContext& ctx) {
    const QJsonArray lists = value.toArray();
    if (!value.isArray() || lists.size() != Codeplug::kRxLists) {
        error = ctx.Tr("CodeplugJson", "RxListEntry: expected 8 lists of 8 integers");
        return false;
    }
    for (int l = 0; l < Codeplug::kRxLists; ++l)
        if (!ReadField(lists[l], CodeplugFields::RxList(cp, l),
                       QStringLiteral("RxListEntry[%1]").arg(l), error, ctx))
            return false;
    return true;
}

} // namespace

QByteArray CodeplugJson::Export(const Codeplug& codeplug) {
    Codeplug cp = codeplug; // the field tables point into a codeplug they may write
    QByteArray text = "{\n";
    QByteArray settings = Members(CodeplugFields::Settings(cp), "  ");
    settings.chop(1);
    text += settings + ",\n" + ChannelsText(cp) + RxListsText(cp);
    return text + "}\n";
}

bool CodeplugJson::Import(const QByteArray& json, Codeplug& codeplug, QString& error,
                          const TextContext& ctx) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = ctx.Tr("CodeplugJson", "not valid json at offset %1: %2")
                    .arg(parseError.offset)
                    .arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        error = ctx.Tr("CodeplugJson", "expected a json object at the top");
        return false;
    }
    const QJsonObject top = document.object();
    Codeplug cp = codeplug;
    const QStringList nested{QStringLiteral("Channels"), QStringLiteral("RxListEntry")};
    if (!ReadObject(top, CodeplugFields::Settings(cp), QString(), nested, error, ctx))
        return false;
    if (top.contains(nested[0]) && !ReadChannels(top[nested[0]], cp, error, ctx))
        return false;
    if (top.contains(nested[1]) && !ReadRxLists(top[nested[1]], cp, error, ctx))
        return false;
    codeplug = cp;
    return true;
}

} // namespace zr40
