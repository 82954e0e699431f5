#include "codeplug/edit_step.h"

#include <algorithm>

namespace zr40 {

EditStep EditStep::ChannelField(const TextPair& field, int channelNumber) {
    const QString number = QString::number(channelNumber);
    return EditStep(
               QStringLiteral("%1 of channel %2").arg(QString::fromUtf8(field.english), number),
               QStringLiteral("信道%1 %2").arg(number, QString::fromUtf8(field.chinese)))
        .Merging();
}

EditStep EditStep::Channels(const TextPair& action, const QList<int>& channelNumbers) {
    const QString runs = NumberRuns(channelNumbers);
    const bool one = !runs.contains(QLatin1Char(',')) && !runs.contains(QLatin1Char('-'));
    return {QStringLiteral("%1 %2 %3")
                .arg(QString::fromUtf8(action.english),
                     one ? QStringLiteral("channel") : QStringLiteral("channels"), runs),
            QStringLiteral("%1 信道%2").arg(QString::fromUtf8(action.chinese), runs)};
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
    return inEnglish ? QStringLiteral("Edit") : QStringLiteral("编辑");
}

} // namespace zr40
