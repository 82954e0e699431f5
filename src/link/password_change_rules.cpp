#include "link/password_change_rules.h"

#include <algorithm>

namespace zr40 {

bool PasswordChangeRules::AcceptsPasswordCharacter(QChar c) {
    return c.unicode() < 0xFF && c.isPrint();
}

void PasswordChangeRules::PutIntoImage(Image& image, const QString& newPassword) {
    std::fill(image.begin() + kImageFirstByte, image.begin() + kImageFirstByte + kImageBytes, 0xFF);
    const QString kept = newPassword.left(kImageBytes);
    for (int i = 0; i < kept.size(); ++i)
        image[kImageFirstByte + i] = static_cast<std::uint8_t>(kept.at(i).toLatin1());
}

PasswordChangeRules::Prepared PasswordChangeRules::Prepare(Codeplug& codeplug,
                                                           const QString& oldPassword,
                                                           const QString& newPassword,
                                                           const QString& repeated) {
    if (newPassword != repeated)
        return Prepared::Mismatch;
    PutIntoImage(codeplug.RadioImage, newPassword);
    codeplug.ProgramPassword = oldPassword;
    return Prepared::Ready;
}

PasswordChangeRules::Finished PasswordChangeRules::Finish(Codeplug& codeplug, bool succeeded,
                                                          bool passwordRejected,
                                                          const QString& newPassword) {
    if (succeeded) {
        codeplug.ProgramPassword = newPassword;
        return Finished::Changed;
    }
    return passwordRejected ? Finished::WrongOld : Finished::NotChanged;
}

} // namespace zr40
