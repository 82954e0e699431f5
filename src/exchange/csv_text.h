#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zr40 {

// Comma- or tab-separated text as spreadsheets write it: cells in double quotes may hold the
// separator, quotes (doubled) and line breaks; a byte order mark and CR LF line ends are allowed.
class CsvText {
public:
    struct Row {
        int number = 0; // 1-based row as a spreadsheet counts it (the header is row 1)
        QStringList cells;
    };

    // Every row that has a cell that is not blank, cells trimmed.
    static QList<Row> Rows(const QString& text, QChar separator = QLatin1Char(','));
    // A tab when the text's first line holds one, else a comma.
    static QChar GuessSeparator(const QString& text);
    // One line of cells, quoted where a cell needs it, without the line end.
    static QString Line(const QStringList& cells, QChar separator = QLatin1Char(','));
};

} // namespace zr40
