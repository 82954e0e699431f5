#include "codeplug/key_filter.h"

namespace zr40 {

namespace {

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

bool IsNonZeroDigit(int key) {
    return key >= '1' && key <= '9';
}

bool IsHexLetter(int key) {
    return key >= 'A' && key <= 'F';
}

bool Accepts(int kind, int key, int separator, const QString& text, int selectionLength) {
    switch (kind) {
    case KeyFilterKind::Frequency:
        return IsDigit(key) || key == separator;
    case KeyFilterKind::Channel:
    case KeyFilterKind::Step:
    case KeyFilterKind::Bank:
    case KeyFilterKind::TuneValue:
    case KeyFilterKind::Key:
    case KeyFilterKind::Number6:
        return IsDigit(key);
    case KeyFilterKind::NonZero:
        return IsNonZeroDigit(key);
    case KeyFilterKind::Signed:
    case KeyFilterKind::SignedNumber:
        // A minus sign only starts a number: refused once there is text that stays.
        if (key == '-')
            return text.isEmpty() || selectionLength > 0;
        return kind == KeyFilterKind::SignedNumber ? IsDigit(key) : IsNonZeroDigit(key);
    case KeyFilterKind::Hex:
        return IsDigit(key) || IsHexLetter(key);
    default:
        return false;
    }
}

} // namespace

int KeyFilterMaxLength(int kind) {
    switch (kind) {
    case KeyFilterKind::Frequency:
        return 9;
    case KeyFilterKind::Channel:
    case KeyFilterKind::NonZero:
        return 3;
    case KeyFilterKind::Step:
    case KeyFilterKind::Bank:
        return 2;
    case KeyFilterKind::TuneValue:
    case KeyFilterKind::Signed:
    case KeyFilterKind::SignedNumber:
        return 8;
    case KeyFilterKind::Key:
        return 32;
    case KeyFilterKind::Hex:
    case KeyFilterKind::Number6:
        return 6;
    default:
        return 0;
    }
}

int KeyFilter(const QString& text, int selectionLength, int key, int kind, QChar decimalSeparator) {
    if (key == kKeyBackspace || key == kKeyEnter)
        return key;
    const int separator = decimalSeparator.unicode();
    if (key == separator && text.contains(decimalSeparator))
        return 0;
    if (key >= 'a' && key <= 'z')
        key = key - 'a' + 'A';
    if (!Accepts(kind, key, separator, text, selectionLength))
        return 0;
    if (selectionLength == 0 && text.size() >= KeyFilterMaxLength(kind))
        return 0;
    return key;
}

} // namespace zr40
