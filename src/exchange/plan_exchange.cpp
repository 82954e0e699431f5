#include "exchange/plan_exchange.h"

#include "exchange/channel_csv.h"
#include "exchange/codeplug_json.h"
#include "exchange/common_radio_csv.h"
#include "exchange/csv_text.h"

namespace zr40 {

QString PlanExchange::Name(Format format) {
    switch (format) {
    case Format::Json:
        return QStringLiteral("json");
    case Format::ChannelCsv:
        return QStringLiteral("csv");
    case Format::CommonCsv:
        return QStringLiteral("common-csv");
    case Format::Unknown:
        break;
    }
    return {};
}

PlanExchange::Format PlanExchange::FromName(const QString& name) {
    for (Format format : {Format::Json, Format::ChannelCsv, Format::CommonCsv})
        if (name.compare(Name(format), Qt::CaseInsensitive) == 0)
            return format;
    return Format::Unknown;
}

PlanExchange::Format PlanExchange::FromPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        return Format::Json;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return Format::ChannelCsv;
    return Format::Unknown;
}

PlanExchange::Format PlanExchange::FromContent(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    const QString start = text.trimmed();
    if (start.startsWith(QLatin1Char('{')) || start.startsWith(QChar(0xFEFF) + QLatin1Char('{')))
        return Format::Json;
    if (CommonRadioCsv::Recognises(text))
        return Format::CommonCsv;
    const QList<CsvText::Row> rows = CsvText::Rows(text.section(QLatin1Char('\n'), 0, 0));
    if (!rows.isEmpty() && ChannelCsv::IsHeader(rows.first().cells))
        return Format::ChannelCsv;
    return Format::Unknown;
}

ExchangeResult PlanExchange::Import(Format format, const QByteArray& bytes, Codeplug& codeplug,
                                    int firstChannel, const TextContext& ctx) {
    switch (format) {
    case Format::Json: {
        ExchangeResult result;
        QString error;
        if (!CodeplugJson::Import(bytes, codeplug, error, ctx))
            result.Fail(error);
        return result;
    }
    case Format::ChannelCsv:
        return ChannelCsv::Import(QString::fromUtf8(bytes), codeplug, ctx);
    case Format::CommonCsv:
        return CommonRadioCsv::Import(QString::fromUtf8(bytes), codeplug, firstChannel, ctx);
    case Format::Unknown:
        break;
    }
    ExchangeResult result;
    result.Fail(ctx.Tr("PlanExchange", "The file is neither json nor a channel list in csv."));
    return result;
}

QByteArray PlanExchange::Export(Format format, const Codeplug& codeplug, ExchangeResult* report,
                                const TextContext& ctx) {
    switch (format) {
    case Format::Json:
        return CodeplugJson::Export(codeplug);
    case Format::ChannelCsv:
        return ChannelCsv::Export(codeplug);
    case Format::CommonCsv:
        return CommonRadioCsv::Export(codeplug, report, ctx);
    case Format::Unknown:
        break;
    }
    return {};
}

} // namespace zr40
