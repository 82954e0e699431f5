#include "radio_commands.h"

#include "band_choice.h"
#include "cli_io.h"
#include "command_line.h"
#include "link/fleet_ids.h"
#include "link/write_recovery.h"
#include "radio_session.h"
#include "review/backup_store.h"
#include "review/codeplug_check.h"
#include "review/codeplug_diff.h"
#include "review/read_back_check.h"
#include "review/review_text.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <optional>

namespace zr40 {

namespace {} // namespace

void RadioCommands::AddLinkOptions(CommandLine& line) {
    line.AddOption(
        {"port", "Serial port: ttyUSB0, /dev/ttyUSB0, /dev/serial/by-id/..., COM3.", "DEV"});
    line.AddOption({"password", "The radio's programming password (up to 6 digits).", "P"});
    line.AddOption({"trace", "Print every frame sent and received."});
    line.AddOption({"lang", "Language of the messages: en or zh (default en).", "LANG", "en"});
}

bool RadioCommands::CheckLinkOptions(const CommandLine& line) {
    const QString lang = line.Value(QStringLiteral("lang"));
    if (lang != QStringLiteral("en") && lang != QStringLiteral("zh")) {
        line.Usage(QStringLiteral("--lang must be en or zh"));
        return false;
    }
    CliIo::UseLanguage(lang == QStringLiteral("en"));
    if (line.Value(QStringLiteral("port")).trimmed().isEmpty()) {
        line.Usage(QStringLiteral("--port is required (see 'zr40 ports')"));
        return false;
    }
    if (!RadioCommands::IsPasswordText(line.Value(QStringLiteral("password")), true)) {
        line.Usage(QStringLiteral("--password must be up to 6 digits"));
        return false;
    }
    return true;
}

namespace {

bool English(const CommandLine& line) {
    return line.Value(QStringLiteral("lang")) == QStringLiteral("en");
}

TextContext Words(const CommandLine& line) {
    return {English(line), QLatin1Char('.')};
}

// Keeps a copy of the radio in the backups folder; says where, or why it could not.
BackupResult SaveBackup(const Codeplug& radio, BackupKind kind, const TextContext& ctx) {
    const BackupStore store = BackupStore::Default();
    store.Prune();
    const BackupResult saved = store.Save(radio, kind);
    if (saved.ok())
        CliIo::Err() << ctx.Tr("RadioCommands", "Backup: ") << saved.path << "\n";
    CliIo::Err().flush();
    return saved;
}

} // namespace

bool RadioCommands::CheckBeforeWrite(const Codeplug& plan, bool force, const TextContext& ctx,
                                     bool forceOffered) {
    const PlanProblems problems = CodeplugCheck::Run(plan);
    if (!problems.isEmpty())
        CliIo::Err() << ReviewText::Problems(problems, ctx);
    CliIo::Err().flush();
    if (!CodeplugCheck::HasErrors(problems) || force)
        return true;
    CliIo::Err() << (forceOffered
                         ? "zr40: the plan has errors; nothing was written (--force writes it "
                           "anyway)\n"
                         : "zr40: the plan has errors; nothing was written\n");
    CliIo::Err().flush();
    return false;
}

namespace {

// Reads the radio as it is, keeps it as the before-write backup and prints what the write will
// change. Returns the exit code to end with, or -1 when the write is to go on.
int BackupBeforeWrite(const CommandLine& line, const Codeplug& plan,
                      const NewPasswordChoice& choice, QString& backupPath) {
    const TextContext ctx = Words(line);
    Codeplug radio = CliIo::NewCodeplug();
    radio.IsEnglish = ctx.IsEnglish;
    RadioSession reading(radio, line.Value(QStringLiteral("port")), ctx.IsEnglish,
                         line.IsSet(QStringLiteral("trace")));
    // The tune data go into the backup too: it is the radio's whole configuration.
    if (reading.Read(line.Value(QStringLiteral("password")), true) != kExitOk) {
        CliIo::Err() << "zr40: the radio could not be read for its backup; nothing was written\n";
        CliIo::Err().flush();
        return kExitFailed;
    }
    const BackupResult saved = SaveBackup(radio, BackupKind::BeforeWrite, ctx);
    if (!saved.ok()) {
        CliIo::Err() << "zr40: " << saved.Message(ctx) << " "
                     << ctx.Tr("RadioCommands", "Nothing was written.") << "\n";
        CliIo::Err().flush();
        return kExitFailed;
    }
    backupPath = saved.path;
    const PlanDifferences changes =
        CodeplugDiff::WriteChanges(radio, plan, ctx) +
        CodeplugDiff::PasswordChange(reading.RadioPassword(), choice, ctx);
    if (changes.isEmpty()) {
        CliIo::Err() << ctx.Tr("RadioCommands",
                               "The radio already holds this plan; nothing was written.")
                     << "\n";
        CliIo::Err().flush();
        return kExitOk;
    }
    CliIo::Out() << ReviewText::Differences(changes, ctx);
    CliIo::Out().flush();
    return -1;
}

// A word of a command line as a shell reads it back.
QString ShellWord(const QString& word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=@%+,-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    return QLatin1Char('\'') + quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

// The command that writes the before-write backup back into the radio a write left incomplete.
QString WriteBackCommand(const CommandLine& line, const WriteRecovery& recovery,
                         const QString& backupPath) {
    QStringList words{QStringLiteral("zr40"), QStringLiteral("write"), QStringLiteral("--port"),
                      line.Value(QStringLiteral("port"))};
    if (!recovery.password.isEmpty())
        words << QStringLiteral("--password") << recovery.password;
    if (recovery.restore.change && recovery.restore.newPassword.isEmpty())
        words << QStringLiteral("--no-password");
    else if (recovery.restore.change)
        words << QStringLiteral("--new-password") << recovery.restore.newPassword;
    words << QStringLiteral("--no-backup") << QStringLiteral("--force") << CliIo::Shown(backupPath);
    QStringList shell;
    for (const QString& word : words)
        shell << ShellWord(word);
    return shell.join(QLatin1Char(' '));
}

// After a write that did not complete: whether the radio was touched, and if so how to put it
// back as it was.
void TellWhatTheWriteLeft(const CommandLine& line, const RadioSession& session,
                          const NewPasswordChoice& choice, const QString& backupPath) {
    const TextContext ctx = Words(line);
    QTextStream& err = CliIo::Err();
    if (!session.Engine().WriteBegun()) {
        err << "zr40: " << WriteRecovery::NothingWritten(ctx.IsEnglish) << "\n";
    } else {
        err << "zr40: " << WriteRecovery::Incomplete(ctx.IsEnglish) << "\n";
        if (backupPath.isEmpty()) {
            err << WriteRecovery::NoBackup(ctx.IsEnglish) << "\n";
        } else {
            const WriteRecovery recovery = WriteRecovery::After(
                session.Engine(), line.Value(QStringLiteral("password")), choice);
            err << WriteRecovery::BackupKept(CliIo::Shown(backupPath), ctx.IsEnglish) << "\n"
                << ctx.Tr("RadioCommands", "To write it back into the radio, run:") << "\n  "
                << WriteBackCommand(line, recovery, backupPath) << "\n";
        }
    }
    err.flush();
}

// After a complete write that read back otherwise, or not at all: what differs, and how to put
// the radio back as it was before the write. Returns the exit code.
int TellWhatTheReadBackFound(const CommandLine& line, const RadioSession& session,
                             const NewPasswordChoice& choice, const QString& backupPath) {
    const TextContext ctx = Words(line);
    const WriteVerification& check = session.Verification();
    if (check.state == WriteVerification::State::Verified) {
        CliIo::Err() << VerifiedWrite::VerifiedText(ctx.IsEnglish) << "\n";
        CliIo::Err().flush();
        return kExitOk;
    }
    QTextStream& err = CliIo::Err();
    if (check.state == WriteVerification::State::Differences) {
        err << "zr40: " << VerifiedWrite::DifferencesText(ctx.IsEnglish) << "\n";
        for (const QString& difference : check.differences)
            err << "  " << difference << "\n";
    } else {
        err << "zr40: " << VerifiedWrite::ReadBackFailedText(ctx.IsEnglish) << " "
            << (check.readResult.message.isEmpty()
                    ? ctx.Tr("RadioCommands", "the radio did not answer")
                    : check.readResult.message)
            << "\n";
    }
    if (backupPath.isEmpty()) {
        err << WriteRecovery::NoBackup(ctx.IsEnglish) << "\n";
    } else {
        const WriteRecovery recovery =
            WriteRecovery::After(session.Engine(), line.Value(QStringLiteral("password")), choice);
        err << WriteRecovery::BackupKept(CliIo::Shown(backupPath), ctx.IsEnglish) << "\n"
            << ctx.Tr("RadioCommands", "To write it back into the radio, run:") << "\n  "
            << WriteBackCommand(line, recovery, backupPath) << "\n";
    }
    err.flush();
    return kExitFailed;
}

} // namespace

bool RadioCommands::IsPasswordText(const QString& text, bool allowEmpty) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    return (allowEmpty && text.isEmpty()) || digits.match(text).hasMatch();
}

int RadioCommands::Read(const QStringList& arguments) {
    CommandLine line(QStringLiteral("read"),
                     QStringLiteral("Reads the configuration from the radio into a radio data "
                                    "file. The file is written only after a complete read."));
    AddLinkOptions(line);
    line.AddOption({{"o", "output"}, "The radio data file to write (.rdat).", "FILE"});
    line.AddOption({"no-backup", "Keep no copy of what was read in the backups folder (see "
                                 "'zr40 backups')."});
    if (!line.Parse(arguments, 0, 0))
        return line.exitCode;
    if (!CheckLinkOptions(line))
        return kExitUsage;
    const QString output = line.Value(QStringLiteral("output"));
    if (output.isEmpty())
        return line.Usage(QStringLiteral("-o FILE is required"));
    Codeplug codeplug = CliIo::NewCodeplug();
    codeplug.IsEnglish = English(line);
    RadioSession session(codeplug, line.Value(QStringLiteral("port")), English(line),
                         line.IsSet(QStringLiteral("trace")));
    const int code = session.Read(line.Value(QStringLiteral("password")));
    if (code != kExitOk)
        return code;
    if (!CliIo::SaveCodeplug(output, codeplug))
        return kExitFailed;
    // The file asked for is there; a backup that fails is said, not a failed read.
    if (!line.IsSet(QStringLiteral("no-backup"))) {
        const BackupResult saved = SaveBackup(codeplug, BackupKind::Read, Words(line));
        if (!saved.ok())
            CliIo::Warning(saved.Message(Words(line)));
    }
    return kExitOk;
}

int RadioCommands::Write(const QStringList& arguments) {
    CommandLine line(QStringLiteral("write"),
                     QStringLiteral("Checks a radio data file, reads the radio and keeps it as a "
                                    "before-write backup, prints what will change and writes "
                                    "the file into the radio."));
    AddLinkOptions(line);
    line.AddOption({"new-password", "Give the radio this password (up to 6 digits).", "N"});
    line.AddOption({"no-password", "Remove the radio's password."});
    BandChoice::AddOption(line);
    line.AddOption({"force", "Write even when the check finds errors in the plan."});
    line.AddOption({"no-backup", "Do not read the radio first: no before-write backup and no "
                                 "list of changes."});
    line.AddOption({"verify", "Read the radio back after writing and compare every value "
                              "written; exit 1 and name what differs otherwise."});
    line.AddOption({"local-id",
                    "Write the plan with this local ID (hexadecimal, 0 to 7FFFFF, as the Function "
                    "Setup page shows it); the file is left as it is.",
                    "HEX"});
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    if (!CheckLinkOptions(line))
        return kExitUsage;
    std::optional<Long> localId;
    if (line.IsSet(QStringLiteral("local-id"))) {
        localId = FleetIds::ParseId(line.Value(QStringLiteral("local-id")).trimmed());
        if (!localId)
            return line.Usage(QStringLiteral("--local-id must be a hexadecimal ID from 0 to "
                                             "7FFFFF"));
    }
    NewPasswordChoice choice;
    if (line.IsSet(QStringLiteral("new-password")) && line.IsSet(QStringLiteral("no-password")))
        return line.Usage(QStringLiteral("--new-password and --no-password exclude each other"));
    if (line.IsSet(QStringLiteral("new-password"))) {
        choice = {true, line.Value(QStringLiteral("new-password"))};
        if (!IsPasswordText(choice.newPassword, false))
            return line.Usage(QStringLiteral("--new-password must be 1 to 6 digits"));
    } else if (line.IsSet(QStringLiteral("no-password"))) {
        choice = {true, QString()};
    }
    Codeplug codeplug = CliIo::NewCodeplug();
    BandChoice band;
    if (!band.Apply(line, codeplug))
        return kExitUsage;
    CliIo::Err() << band.Line(codeplug, Words(line)) << "\n";
    if (!CliIo::LoadCodeplug(line.Positional().at(0), codeplug))
        return kExitFailed;
    codeplug.IsEnglish = English(line);
    if (localId)
        codeplug.LocalID = *localId;
    if (!CheckBeforeWrite(codeplug, line.IsSet(QStringLiteral("force")), Words(line)))
        return kExitFailed;
    QString backupPath;
    if (!line.IsSet(QStringLiteral("no-backup"))) {
        const int code = BackupBeforeWrite(line, codeplug, choice, backupPath);
        if (code >= 0)
            return code;
    }
    RadioSession session(codeplug, line.Value(QStringLiteral("port")), English(line),
                         line.IsSet(QStringLiteral("trace")));
    const QString password = line.Value(QStringLiteral("password"));
    const bool verify = line.IsSet(QStringLiteral("verify"));
    const int code =
        verify ? session.VerifiedWrite(password, choice, ReadBackCheck::Compare(Words(line)))
               : session.Write(password, choice);
    if (code != kExitOk)
        TellWhatTheWriteLeft(line, session, choice, backupPath);
    else if (verify)
        return TellWhatTheReadBackFound(line, session, choice, backupPath);
    return code;
}

int RadioCommands::Ports(const QStringList& arguments) {
    CommandLine line(QStringLiteral("ports"), QStringLiteral("Lists the serial ports present."));
    if (!line.Parse(arguments, 0, 0))
        return line.exitCode;
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&natural](const auto& a, const auto& b) {
        return natural.compare(a.portName(), b.portName()) < 0;
    });
    if (ports.isEmpty()) {
        CliIo::Err() << "No serial ports found.\n";
        CliIo::Err().flush();
        return kExitOk;
    }
    for (const QSerialPortInfo& port : ports) {
        QStringList details;
        for (const QString& detail : {port.description(), port.manufacturer(), port.serialNumber()})
            if (!detail.isEmpty())
                details << detail;
        CliIo::Out() << port.portName().leftJustified(12) << ' '
                     << port.systemLocation().leftJustified(16) << ' ' << details.join(", ")
                     << "\n";
    }
    CliIo::Out().flush();
    return kExitOk;
}

} // namespace zr40
