#pragma once

#include "codeplug/text_context.h"

#include <QList>
#include <QMetaType>
#include <QString>

namespace zr40 {

// The name of one edit, in both languages, as the Edit menu offers it back ("Undo Rx Frequency
// of channel 3" / "撤销 信道3 接收频率"). An unnamed step is called "Edit" / "编辑".
struct EditStep {
    QString english;
    QString chinese;
    // A change of one field: the next change of the same field (a step of the same name) joins
    // it, so that running through a list by its arrow keys is one step, not one per item.
    bool merges = false;

    EditStep() = default;
    EditStep(const QString& english, const QString& chinese) : english(english), chinese(chinese) {}
    explicit EditStep(const TextPair& name)
        : english(QString::fromUtf8(name.english)), chinese(QString::fromUtf8(name.chinese)) {}

    // A field of one channel: "Rx Frequency of channel 3" / "信道3 接收频率"; it merges.
    static EditStep ChannelField(const TextPair& field, int channelNumber);
    // An action on several channels: "Paste channels 3-5" / "粘贴 信道3-5"; the numbers are
    // written as runs ("1, 4-6").
    static EditStep Channels(const TextPair& action, const QList<int>& channelNumbers);
    // "1, 4-6" for 1, 4, 5, 6 (sorted, each number once).
    static QString NumberRuns(QList<int> numbers);

    QString Name(bool english) const;
    // The same step, merging with the next change of its field.
    EditStep Merging() const {
        EditStep step = *this;
        step.merges = true;
        return step;
    }

    friend bool operator==(const EditStep&, const EditStep&) = default;
};

} // namespace zr40

Q_DECLARE_METATYPE(zr40::EditStep)
