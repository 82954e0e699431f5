#include "exchange/csv_text.h"

namespace zr40 {

namespace {

bool Blank(const QStringList& cells) {
    for (const QString& cell : cells)
        if (!cell.isEmpty())
            return false;
    return true;
}

} // namespace

QList<CsvText::Row> CsvText::Rows(const QString& text, QChar separator) {
    QList<Row> rows;
    Row row{1, {}};
    QString cell;
    bool quoted = false;
    int line = 1;
    const auto endRow = [&] {
        row.cells << cell.trimmed();
        cell.clear();
        if (!Blank(row.cells))
            rows << row;
        row = {line + 1, {}};
    };
    const int start = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    for (int i = start; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                cell += ch;
                ++i;
            } else if (ch == QLatin1Char('"')) {
                quoted = false;
            } else {
                cell += ch;
            }
        } else if (ch == QLatin1Char('"')) {
            quoted = true;
        } else if (ch == separator) {
            row.cells << cell.trimmed();
            cell.clear();
        } else if (ch == QLatin1Char('\n')) {
            endRow();
            ++line;
        } else if (ch != QLatin1Char('\r')) {
            cell += ch;
        }
    }
    endRow();
    return rows;
}

QChar CsvText::GuessSeparator(const QString& text) {
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    return first.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
}

QString CsvText::Line(const QStringList& cells, QChar separator) {
    QStringList out;
    for (const QString& text : cells) {
        if (!text.contains(separator) && !text.contains(QLatin1Char('"')) &&
            !text.contains(QLatin1Char('\n'))) {
            out << text;
            continue;
        }
        QString quoted = text;
        quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        out << QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return out.join(separator);
}

} // namespace zr40
