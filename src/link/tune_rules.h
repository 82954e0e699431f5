#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QMap>
#include <QString>
#include <array>

namespace zr40 {

// The six single tune values the page shows in text boxes.
enum class TuneBox { CtcssDev, CdcssDev, MicAmp, SpeakAmp, NoiseThW, NoiseThN };

// A tune grid cell committed: the cells of the row to show afterwards.
struct TuneCellEdit {
    QMap<int, QString> cells; // column 1..5 -> text
    bool outOfRange = false;  // "Frequency is out of range!" is due before the text is shown
};

// A tune box committed.
struct TuneBoxEdit {
    QString text; // what the box shows
    Long value = 0;
};

// The factory alignment values: up to 16 tune points (frequency, bias voltage, oscillator
// adjustment, digital transmit deviation, squelch threshold) and six single values. Columns of a
// tune point: 1 frequency, 2 bias, 3 oscillator, 4 digital deviation, 5 squelch. Shown values
// are limited to their ranges without changing what is stored; committed values are limited.
class TuneRules {
public:
    static constexpr int kColumns = 6; // column 0 is the point's number
    static constexpr int kBoxes = 6;
    static constexpr Long kSpeakAmpOffset = 60; // SpeakAmp is stored as the shown value - 60

    // Rows of the grid below the heading: TunePointCount, kept within the tables.
    static int PointRows(const Codeplug& codeplug);
    // Columns 1..5 of a tune point; blank when its frequency is outside 100..550 MHz.
    static std::array<QString, 5> RowTexts(const Codeplug& codeplug, int point, QChar separator);
    static QString BoxText(const Codeplug& codeplug, TuneBox box);
    // Highest value a box takes (15, 15, 42, 60, 8191, 8191).
    static int BoxLimit(TuneBox box);

    // Leaving the in-cell editor of a tune point's column with this text.
    static TuneCellEdit EnterCell(Codeplug& codeplug, int point, int column, const QString& text,
                                  const TextContext& ctx);
    // Leaving a box with this text.
    static TuneBoxEdit EnterBox(Codeplug& codeplug, TuneBox box, const QString& text);

    // The stored value behind a box (SpeakAmp as stored, not as shown).
    static Long BoxValue(const Codeplug& codeplug, TuneBox box);
};

} // namespace zr40
