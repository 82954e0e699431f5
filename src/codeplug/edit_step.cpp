#include "codeplug/edit_step.h"

#include <algorithm>

namespace zr40 {

EditStep EditStep::ChannelField(const char* context, const char* field, int channelNumber) {
    return InBoth([=](const TextContext& ctx) {
               //: An edit of one field of a channel, as Undo and Redo name it: the field, then
               //: the channel's number.
               return ctx.Tr("EditStep", "%1 of channel %2")
                   .arg(ctx.Tr(context, field), QString::number(channelNumber));
           })
        .Merging();
}

EditStep EditStep::Channels(const char* context, const char* action,
                            const QList<int>& channelNumbers) {
    const QString runs = NumberRuns(channelNumbers);
    const bool one = !runs.contains(QLatin1Char(',')) && !runs.contains(QLatin1Char('-'));
    return InBoth([=](const TextContext& ctx) {
        //: An action on channels, as Undo and Redo name it: the action, then the numbers.
        return (one ? ctx.Tr("EditStep", "%1 channel %2") : ctx.Tr("EditStep", "%1 channels %2"))
            .arg(ctx.Tr(context, action), runs);
    });
}

QString EditStep::NumberRuns(QList<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList runs;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        runs << (j == i ? QString::number(numbers[i])
                        : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QString EditStep::Name(bool inEnglish) const {
    const QString& name = inEnglish ? english : chinese;
    if (!name.isEmpty())
        return name;
    return TextContext{inEnglish}.Tr("EditStep", "Edit");
}

} // namespace zr40
