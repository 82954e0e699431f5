#pragma once

#include "codeplug/codeplug.h"

#include <QString>

namespace zr40 {

// The programming password outside the transfer itself: the password text the program keeps
// (ProgramPassword) and the steps of replacing the radio's password, around the write transfer
// that carries the new one.
class PasswordChangeRules {
public:
    using Image = decltype(Codeplug::RadioImage);

    static constexpr int kImageFirstByte = 752; // the new password's characters, 752..757
    static constexpr int kImageBytes = 6;
    static constexpr int kMaxLength = 6;

    enum class Prepared {
        Mismatch, // the two new passwords differ: nothing changed
        Ready,    // the image and ProgramPassword are set; the write may start
    };
    enum class Finished {
        Changed,    // the radio took the new password; ProgramPassword is the new one
        WrongOld,   // the radio refused the old password
        NotChanged, // the write did not complete for another reason (cancelled, no radio)
    };

    // A character the kept password text can hold: one of a single byte (Latin-1, not 255,
    // which ends the text in the password block), printable.
    static bool AcceptsPasswordCharacter(QChar c);

    // Before the write: the two new passwords must agree; then the new password goes into image
    // bytes 752..757 (255 after its end) and ProgramPassword becomes the old password.
    static Prepared Prepare(Codeplug& codeplug, const QString& oldPassword,
                            const QString& newPassword, const QString& repeated);
    // After the write: on success ProgramPassword becomes the new password.
    static Finished Finish(Codeplug& codeplug, bool succeeded, bool passwordRejected,
                           const QString& newPassword);

    static void PutIntoImage(Image& image, const QString& newPassword);
};

} // namespace zr40
