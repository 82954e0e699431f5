#include "review_commands.h"

#include "band_choice.h"
#include "cli_io.h"
#include "command_line.h"
#include "radio_commands.h"
#include "radio_session.h"
#include "review/backup_store.h"
#include "review/codeplug_check.h"
#include "review/codeplug_diff.h"
#include "review/review_text.h"

#include <QDir>

namespace zr40 {

namespace {

// As diff does: 0 the same, 1 different, 2 trouble.
constexpr int kDiffSame = 0;
constexpr int kDiffDifferent = 1;
constexpr int kDiffTrouble = 2;

void AddLanguageOption(CommandLine& line) {
    line.AddOption({"lang", "Language of the output: en or zh (default en).", "LANG", "en"});
}

// The language asked for; false after a usage error.
bool LanguageOf(const CommandLine& line, TextContext& ctx) {
    const QString lang = line.Value(QStringLiteral("lang"));
    if (lang != QStringLiteral("en") && lang != QStringLiteral("zh")) {
        line.Usage(QStringLiteral("--lang must be en or zh"));
        return false;
    }
    ctx = {lang == QStringLiteral("en"), QLatin1Char('.')};
    CliIo::UseLanguage(ctx.IsEnglish);
    return true;
}

int Print(const QString& text, int code) {
    CliIo::Out() << text;
    CliIo::Out().flush();
    return code;
}

// The radio as it is now, read through the port the options name; false after the reason.
bool ReadRadio(const CommandLine& line, const TextContext& ctx, Codeplug& radio) {
    const QString password = line.Value(QStringLiteral("password"));
    if (!RadioCommands::IsPasswordText(password, true)) {
        line.Usage(QStringLiteral("--password must be up to 6 digits"));
        return false;
    }
    radio = CliIo::NewCodeplug();
    radio.IsEnglish = ctx.IsEnglish;
    RadioSession session(radio, line.Value(QStringLiteral("port")), ctx.IsEnglish, false);
    return session.Read(password) == kExitOk;
}

} // namespace

int ReviewCommands::Check(const QStringList& arguments) {
    CommandLine line(QStringLiteral("check"),
                     QStringLiteral("Checks a radio data file for what would make the radio "
                                    "refuse it or misbehave. Exits 1 when there is an error, 0 "
                                    "when there are none (warnings alone are no error)."));
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    BandChoice::AddOption(line);
    AddLanguageOption(line);
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    TextContext ctx;
    if (!LanguageOf(line, ctx))
        return kExitUsage;
    Codeplug plan = CliIo::NewCodeplug();
    BandChoice band;
    if (!band.Apply(line, plan))
        return kExitUsage;
    if (!CliIo::LoadCodeplug(line.Positional().at(0), plan))
        return kExitFailed;
    const PlanProblems problems = CodeplugCheck::Run(plan);
    return Print(band.Line(plan, ctx) + QLatin1Char('\n') + ReviewText::Problems(problems, ctx),
                 CodeplugCheck::HasErrors(problems) ? kExitFailed : kExitOk);
}

int ReviewCommands::Diff(const QStringList& arguments) {
    CommandLine line(QStringLiteral("diff"),
                     QStringLiteral("Prints the differences between two radio data files, or "
                                    "with --port what writing FILE into the radio would change. "
                                    "Exits 0 when there are none, 1 when there are, 2 on "
                                    "trouble."));
    line.AddPositional(QStringLiteral("A"), QStringLiteral("The first radio data file."),
                       QStringLiteral("A"));
    line.AddPositional(QStringLiteral("B"), QStringLiteral("The second radio data file."),
                       QStringLiteral("B"));
    line.AddOption({"port", "Compare the radio on this serial port with FILE instead.", "DEV"});
    line.AddOption({"password", "The radio's programming password (up to 6 digits).", "P"});
    AddLanguageOption(line);
    if (!line.Parse(arguments, 1, 2))
        return line.exitCode == kExitOk ? kExitOk : kDiffTrouble;
    TextContext ctx;
    if (!LanguageOf(line, ctx))
        return kDiffTrouble;
    const bool radio = line.IsSet(QStringLiteral("port"));
    const QStringList files = line.Positional();
    if (files.size() != (radio ? 1 : 2)) {
        line.Usage(radio ? QStringLiteral("with --port give one file")
                         : QStringLiteral("give two files, or --port and one file"));
        return kDiffTrouble;
    }
    Codeplug before = CliIo::NewCodeplug();
    Codeplug after = CliIo::NewCodeplug();
    if (!CliIo::LoadCodeplug(files.last(), after))
        return kDiffTrouble;
    if (radio ? !ReadRadio(line, ctx, before) : !CliIo::LoadCodeplug(files.first(), before))
        return kDiffTrouble;
    const PlanDifferences differences = radio ? CodeplugDiff::WriteChanges(before, after, ctx)
                                              : CodeplugDiff::Compare(before, after, ctx);
    return Print(ReviewText::Differences(differences, ctx),
                 differences.isEmpty() ? kDiffSame : kDiffDifferent);
}

int ReviewCommands::Backups(const QStringList& arguments) {
    CommandLine line(QStringLiteral("backups"),
                     QStringLiteral("Lists the backups kept of every radio read and of every "
                                    "radio before a write, newest first. Listing removes "
                                    "nothing; taking a backup removes those older than 365 "
                                    "days, never any of the newest 100."));
    line.AddOption({"folder", "Print only the folder the backups are kept in."});
    AddLanguageOption(line);
    if (!line.Parse(arguments, 0, 0))
        return line.exitCode;
    TextContext ctx;
    if (!LanguageOf(line, ctx))
        return kExitUsage;
    const BackupStore store = BackupStore::Default();
    const QString folder = QDir::toNativeSeparators(store.Folder());
    if (line.IsSet(QStringLiteral("folder")))
        return Print(folder + QLatin1Char('\n'), kExitOk);
    QList<QStringList> rows;
    for (const BackupEntry& entry : store.List()) {
        const QString channels =
            entry.channelsInUse < 0
                ? ctx.Tr("ReviewCommands", "unreadable")
                : ctx.Tr("ReviewCommands", "%1 channels").arg(entry.channelsInUse);
        rows.append({entry.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     BackupStore::KindText(entry.kind, ctx), channels,
                     QDir::toNativeSeparators(entry.path)});
    }
    const QString heading = ctx.Tr("ReviewCommands", "Backups in %1").arg(folder);
    if (rows.isEmpty())
        return Print(heading + QLatin1Char('\n') + ctx.Tr("ReviewCommands", "No backups yet.") +
                         QLatin1Char('\n'),
                     kExitOk);
    return Print(heading + QLatin1Char('\n') + ReviewText::Columns(rows), kExitOk);
}

} // namespace zr40
