#include "shell/port_choice.h"

#include "link/serial/serial_port_name.h"

#include <algorithm>

namespace zr40 {

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Compares a run of digits as a number: leading zeros ignored, then the longer run is the larger,
// then digit by digit. Advances both positions past their runs.
int CompareNumberRuns(const QString& a, qsizetype& i, const QString& b, qsizetype& j) {
    while (i < a.size() && a[i] == QLatin1Char('0'))
        ++i;
    while (j < b.size() && b[j] == QLatin1Char('0'))
        ++j;
    const qsizetype startA = i;
    const qsizetype startB = j;
    while (i < a.size() && IsAsciiDigit(a[i]))
        ++i;
    while (j < b.size() && IsAsciiDigit(b[j]))
        ++j;
    if (i - startA != j - startB)
        return i - startA < j - startB ? -1 : 1;
    return QStringView(a).mid(startA, i - startA).compare(QStringView(b).mid(startB, j - startB));
}

// "ttyS2" before "ttyS10": digit runs compare as numbers, everything else character by character.
bool NaturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsAsciiDigit(a[i]) && IsAsciiDigit(b[j])) {
            const int order = CompareNumberRuns(a, i, b, j);
            if (order != 0)
                return order < 0;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b; // equal by value ("COM01", "COM1"): any fixed order
}

} // namespace

QStringList PortChoice::Sorted(const QStringList& names) {
    QStringList sorted = names;
    sorted.removeDuplicates();
    sorted.removeAll(QString());
    std::sort(sorted.begin(), sorted.end(), NaturalLess);
    return sorted;
}

int PortChoice::IndexOfCurrent(const QStringList& items, const Codeplug& codeplug) {
    const QString current = SerialPortName::Resolve(
        SerialPortName::Choose(codeplug.ComPortName, codeplug.ComPortNumber));
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (SerialPortName::Resolve(items.at(i)) == current)
            return int(i);
    }
    return -1;
}

int PortChoice::Preselect(const QStringList& items, const Codeplug& codeplug) {
    if (items.isEmpty())
        return -1;
    return qMax(0, IndexOfCurrent(items, codeplug));
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

bool PortChoice::TakeOnlyAdapter(const QStringList& usbAdapters, Codeplug& codeplug) {
    if (usbAdapters.size() != 1)
        return false;
    Apply(usbAdapters.first(), codeplug);
    return true;
}

QString PortChoice::SettingText(const QString& name) {
    const int number = SerialPortName::ComNumber(name.trimmed());
    return number > 0 ? QString::number(number) : name.trimmed();
}

} // namespace zr40
