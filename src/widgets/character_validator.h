#pragma once

#include <QValidator>
#include <functional>

namespace zr40 {

// Lets into a text box only the characters a field can hold: the others are taken out of
// whatever is typed, pasted or composed by an input method, and the text keeps at most
// maxLength characters. Text set by the program is shown as it is.
class CharacterValidator : public QValidator {
    Q_OBJECT
public:
    CharacterValidator(std::function<bool(QChar)> accepts, int maxLength,
                       QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;
    // The text as the box would keep it.
    QString Kept(const QString& text) const;

private:
    std::function<bool(QChar)> accepts_;
    int maxLength_;
};

} // namespace zr40
