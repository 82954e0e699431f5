#include "widgets/character_validator.h"

namespace zr40 {

CharacterValidator::CharacterValidator(std::function<bool(QChar)> accepts, int maxLength,
                                       QObject* parent)
    : QValidator(parent), accepts_(std::move(accepts)), maxLength_(maxLength) {}

QString CharacterValidator::Kept(const QString& text) const {
    QString kept;
    for (const QChar c : text) {
        if (kept.size() < maxLength_ && accepts_(c))
            kept.append(c);
    }
    return kept;
}

QValidator::State CharacterValidator::validate(QString& input, int& position) const {
    // The cursor stays behind the same character: count the ones kept before it.
    const int keptBefore = static_cast<int>(Kept(input.left(position)).size());
    input = Kept(input);
    position = qMin(keptBefore, static_cast<int>(input.size()));
    return Acceptable;
}

} // namespace zr40
