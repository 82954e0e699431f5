#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/file_result.h"

#include <QString>
#include <QTextStream>

namespace zr40 {

// Exit codes of the zr40 command.
enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Standard output and error of the zr40 command, and the few file steps every subcommand shares.
class CliIo {
public:
    static QTextStream& Out();
    static QTextStream& Err();

    // "zr40 <command>: <message>" on stderr; returns kExitUsage.
    static int UsageError(const QString& command, const QString& message);
    // "zr40: <file>: <reason>" on stderr; returns kExitFailed.
    static int FileError(const QString& path, const QString& reason);
    // "zr40: <the result's message>" on stderr (the message names the file); kExitFailed.
    static int FileError(const FileResult& result);
    // How a file name given on the command line reads in a message.
    static QString Shown(const QString& path);
    static void Warning(const QString& message);
    // The language of the messages (--lang): the file messages above and the texts of layers that
    // are handed no language (the serial port's), through the installed catalogue.
    static void UseLanguage(bool english);

    // Loads a radio data file; says why on stderr when it cannot.
    static bool LoadCodeplug(const QString& path, Codeplug& codeplug);
    // Every value exactly as the file stores it (key lengths included), for exports that must
    // rebuild the same file.
    static bool LoadExact(const QString& path, Codeplug& codeplug);
    static bool SaveCodeplug(const QString& path, const Codeplug& codeplug);
    // A json or csv text: a regular file of at most kTextLimit bytes.
    static bool ReadText(const QString& path, QByteArray& bytes);
    // Replaces the file whole (FileWriter); "-" or an empty path is standard output.
    static bool WriteText(const QString& path, const QByteArray& bytes);
    // Everything still buffered for standard output goes out; a failure to write it (a full
    // disk behind "> file", /dev/full) turns `code` into kExitFailed after a message.
    static int FinishOutput(int code);

    static constexpr qint64 kTextLimit = 4 * 1024 * 1024;

    // The codeplug of the New command: start-up defaults, then the New defaults.
    static Codeplug NewCodeplug();
    // "400-480": the band limits in whole MHz for the frequency checks; false when the text does
    // not read like that.
    static bool ApplyBand(const QString& band, Codeplug& codeplug);
};

} // namespace zr40
