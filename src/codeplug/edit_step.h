#pragma once

#include "codeplug/text_context.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <functional>

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
    // The name in both languages, as `name` words it in each (the language may change before
    // the Edit menu shows it).
    static EditStep InBoth(const std::function<QString(const TextContext&)>& name) {
        return {name(TextContext{true}), name(TextContext{false})};
    }
    // A text of the catalogue (`context` as tr() would look it up) as the name.
    static EditStep Named(const char* context, const char* name) {
        return InBoth([=](const TextContext& ctx) { return ctx.Tr(context, name); });
    }

    // A field of one channel: "Rx Frequency of channel 3" / "信道3 接收频率"; it merges.
    static EditStep ChannelField(const char* context, const char* field, int channelNumber);
    // An action on several channels: "Paste channels 3-5" / "粘贴 信道3-5"; the numbers are
    // written as runs ("1, 4-6").
    static EditStep Channels(const char* context, const char* action,
                             const QList<int>& channelNumbers);
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
