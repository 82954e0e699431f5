#include "codeplug/file_result.h"

#include "codeplug/text_context.h"

namespace zr40 {

QString FileResult::Message(bool english) const {
    // "The file a.rdat cannot … (reason)" / "无法打开文件a.rdat（reason）": the name and the
    // system's words where they are known.
    const TextContext ctx{english};
    //: A file's name after the word "file" in the messages below.
    const QString named = file.isEmpty() ? QString() : ctx.Tr("FileResult", " %1").arg(file);
    //: The operating system's own words after a message.
    const QString reason = detail.isEmpty() ? QString() : ctx.Tr("FileResult", " (%1)").arg(detail);
    // One arg() call: a name holding "%2" must not take the other value's place.
    const auto say = [&ctx, &named](const char* text, const QString& second) {
        return ctx.Tr("FileResult", text).arg(named, second);
    };
    switch (error) {
    case FileError::None:
        return {};
    case FileError::EmptyPath:
        return ctx.Tr("FileResult", "No file name was given.");
    case FileError::CannotOpen:
        return say(QT_TRANSLATE_NOOP("FileResult", "The file%1 cannot be opened%2."), reason);
    case FileError::NotRegular:
        return say(QT_TRANSLATE_NOOP("FileResult",
                                     "The file%1 is a folder, a device or a pipe, not a file that "
                                     "can be read or replaced.%2"),
                   QString());
    case FileError::TooLarge:
        return say(QT_TRANSLATE_NOOP("FileResult", "The file%1 is larger than %2 bytes; it is not "
                                                   "a file this program reads."),
                   QString::number(limit));
    case FileError::TooShort:
        return say(QT_TRANSLATE_NOOP("FileResult", "The file%1 is too short to be a ZR40 radio "
                                                   "data file (it must be 5124 bytes).%2"),
                   QString());
    case FileError::BadHeader:
        return say(QT_TRANSLATE_NOOP("FileResult", "The file%1 is not a ZR40 radio data file (its "
                                                   "header is not \"ZR40 Ver\").%2"),
                   QString());
    case FileError::CannotWrite:
        return say(QT_TRANSLATE_NOOP("FileResult", "The file%1 cannot be written%2; the previous "
                                                   "file, if any, is unchanged."),
                   reason);
    }
    return {};
}

} // namespace zr40
