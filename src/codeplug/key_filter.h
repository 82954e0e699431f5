#pragma once

#include <QChar>
#include <QString>

namespace zr40 {

// What a numeric or hexadecimal text box accepts, keystroke by keystroke.
namespace KeyFilterKind {
inline constexpr int Frequency = 1; // 9 chars, digits and the decimal separator
inline constexpr int Channel = 4;   // 3 digits
inline constexpr int Step = 5;      // 2 digits
inline constexpr int Bank = 6;      // 2 digits
inline constexpr int NonZero = 7;   // 3 chars, digits 1..9
inline constexpr int TuneValue = 8; // 8 digits
inline constexpr int Signed = 9;    // 8 chars, "-" and digits 1..9
inline constexpr int Key = 10;      // 32 digits
inline constexpr int Hex = 11;      // 6 chars, digits and A..F
inline constexpr int Number6 = 12;  // 6 digits
// 8 chars, "-" and every digit: a signed adjustment such as -100 or 2048 (kind 9 cannot take a
// 0, so neither 10 nor -100 could be typed).
inline constexpr int SignedNumber = 13;
} // namespace KeyFilterKind

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

// The accepted key code (a lower-case letter comes back upper-case) or 0 when the key is refused.
// text is the box's current text, selectionLength the length of its selection.
int KeyFilter(const QString& text, int selectionLength, int key, int kind, QChar decimalSeparator);

// Maximum text length of a kind (0 for an unknown kind).
int KeyFilterMaxLength(int kind);

} // namespace zr40
