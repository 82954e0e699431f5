#include "codeplug/file_result.h"

namespace zr40 {

QString FileResult::Message(bool english) const {
    // "The file a.rdat cannot … (reason)" / "无法打开文件a.rdat（reason）": the name and the
    // system's words where they are known.
    const QString named = file.isEmpty() ? QString() : (english ? QLatin1Char(' ') + file : file);
    const QString reason = detail.isEmpty() ? QString()
                           : english        ? QStringLiteral(" (") + detail + QLatin1Char(')')
                                     : QStringLiteral("（") + detail + QStringLiteral("）");
    // One arg() call: a name holding "%2" must not take the other value's place.
    const auto pick = [english, &named](const char* en, const char* zh, const QString& second) {
        return QString::fromUtf8(english ? en : zh).arg(named, second);
    };
    switch (error) {
    case FileError::None:
        return {};
    case FileError::EmptyPath:
        return english ? QStringLiteral("No file name was given.")
                       : QStringLiteral("没有指定文件名。");
    case FileError::CannotOpen:
        return pick("The file%1 cannot be opened%2.", "无法打开文件%1%2。", reason);
    case FileError::NotRegular:
        return pick("The file%1 is a folder, a device or a pipe, not a file that can be read or "
                    "replaced.%2",
                    "文件%1是文件夹、设备或管道，不是可读取或替换的文件。%2", QString());
    case FileError::TooLarge:
        return pick("The file%1 is larger than %2 bytes; it is not a file this program reads.",
                    "文件%1大于%2字节，不是本程序可读取的文件。", QString::number(limit));
    case FileError::TooShort:
        return pick("The file%1 is too short to be a ZR40 radio data file (it must be 5124 "
                    "bytes).%2",
                    "文件%1太短，不是ZR40对讲机数据文件（应为5124字节）。%2", QString());
    case FileError::BadHeader:
        return pick("The file%1 is not a ZR40 radio data file (its header is not \"ZR40 "
                    "Ver\").%2",
                    "文件%1不是ZR40对讲机数据文件（文件头不是\"ZR40 Ver\"）。%2", QString());
    case FileError::CannotWrite:
        return pick("The file%1 cannot be written%2; the previous file, if any, is unchanged.",
                    "无法写入文件%1%2；原有文件保持不变。", reason);
    }
    return {};
}

} // namespace zr40
