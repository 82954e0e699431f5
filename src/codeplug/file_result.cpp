#include "codeplug/file_result.h"

namespace zr40 {

namespace {

QString WithDetail(const QString& text, const QString& detail) {
    return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QStringLiteral(")");
}

} // namespace

QString FileResult::Message(bool english) const {
    switch (error) {
    case FileError::None:
        return {};
    case FileError::EmptyPath:
        return english ? QStringLiteral("No file name was given.")
                       : QStringLiteral("没有指定文件名。");
    case FileError::CannotOpen:
        return WithDetail(english ? QStringLiteral("The file cannot be opened.")
                                  : QStringLiteral("无法打开文件。"),
                          detail);
    case FileError::TooShort:
        return english ? QStringLiteral("The file is too short to be a ZR40 radio data file "
                                        "(it must be 5124 bytes).")
                       : QStringLiteral("文件太短，不是ZR40对讲机数据文件（应为5124字节）。");
    case FileError::BadHeader:
        return english ? QStringLiteral("The file is not a ZR40 radio data file (its header is "
                                        "not \"ZR40 Ver\").")
                       : QStringLiteral("该文件不是ZR40对讲机数据文件（文件头不是\"ZR40 Ver\"）。");
    case FileError::CannotWrite:
        return WithDetail(english ? QStringLiteral("The file cannot be written; the previous "
                                                   "file, if any, is unchanged.")
                                  : QStringLiteral("无法写入文件；原有文件保持不变。"),
                          detail);
    }
    return {};
}

} // namespace zr40
