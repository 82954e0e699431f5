#include "shell/port_choice.h"

#include "link/serial/serial_port_name.h"

#include <QCollator>
#include <algorithm>

namespace zr40 {

QStringList PortChoice::Sorted(const QStringList& names) {
    QStringList sorted = names;
    sorted.removeDuplicates();
    sorted.removeAll(QString());
    QCollator collator(QLocale::c());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::sort(sorted.begin(), sorted.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return sorted;
}

int PortChoice::IndexOfCurrent(const QStringList& items, const Codeplug& codeplug) {
    const QString current = SerialPortName::Choose(codeplug.ComPortName, codeplug.ComPortNumber);
    return items.indexOf(current);
}

int PortChoice::Preselect(const QStringList& items, Codeplug& codeplug) {
    if (items.isEmpty())
        return -1;
    const int index = IndexOfCurrent(items, codeplug);
    if (index >= 0)
        return index;
    Apply(items.constFirst(), codeplug);
    return 0;
}

void PortChoice::Apply(const QString& name, Codeplug& codeplug) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return;
    codeplug.ComPortName = trimmed;
    const int number = SerialPortName::ComNumber(trimmed);
    if (number > 0 && number <= 32767)
        codeplug.ComPortNumber = static_cast<std::int16_t>(number);
}

QString PortChoice::SettingText(const QString& name) {
    const int number = SerialPortName::ComNumber(name.trimmed());
    return number > 0 ? QString::number(number) : name.trimmed();
}

} // namespace zr40
