#pragma once

#include <QString>

namespace zr40 {

// The start and end channel texts of the batch editor's range, after one of them was left.
struct ChannelRangeText {
    QString start;
    QString end;
    int first() const { return start.toInt() - 1; } // image channel index, 0..127
    int last() const { return end.toInt() - 1; }
};

// What the batch editor's text fields hold once the user leaves them or presses Enter, and how
// their texts are read. A field is corrected rather than refused.
class BatchEditFields {
public:
    static constexpr int kLastChannel = 128;
    static constexpr int kRxStepLimit = 10000; // kHz
    static constexpr int kTxStepLimit = 1000;

    // Start channel left: empty or 0 -> 1; past 128 both become 128; a start past the end
    // moves the end along.
    static ChannelRangeText EnterStartChannel(const QString& start, const QString& end);
    // End channel left: empty or past 128 -> 128, 0 -> 1; an end before the start moves the
    // start along.
    static ChannelRangeText EnterEndChannel(const QString& start, const QString& end);
    // A first frequency in MHz held to lower..upper (whole MHz) and padded to 9 characters; an
    // empty or unreadable text becomes the lower edge.
    static QString EnterStartFrequency(const QString& text, int lower, int upper, QChar separator);
    // A step in kHz: empty or unreadable -> "0", above the limit -> the limit.
    static QString EnterStep(const QString& text, int limitKilohertz, QChar separator);
    // Offset and tone steps: empty -> "0".
    static QString EnterZeroDefault(const QString& text);

    // Field texts as Apply takes them: 0 when unreadable.
    static qint64 MilliHertzOfMegahertz(const QString& text, QChar separator);
    static qint64 MilliHertzOfKilohertz(const QString& text, QChar separator);
};

} // namespace zr40
