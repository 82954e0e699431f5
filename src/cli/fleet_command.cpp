#include "fleet_command.h"

#include "band_choice.h"
#include "cli_io.h"
#include "command_line.h"
#include "interrupt_watch.h"
#include "radio_commands.h"
#include "terminal_progress.h"

#include "link/fleet_ids.h"
#include "link/fleet_status.h"
#include "link/serial/fleet_serial_adapter.h"
#include "review/fleet_record.h"
#include "review/read_back_check.h"

#include <QEventLoop>

namespace zr40 {

namespace {

// The IDs of --ids or --id-list; empty after reporting why they cannot be used.
std::vector<Long> TakeIds(const CommandLine& line, const TextContext& ctx, int& code) {
    const bool range = line.IsSet(QStringLiteral("ids"));
    if (range == line.IsSet(QStringLiteral("id-list"))) {
        code = line.Usage(QStringLiteral("give the IDs with --ids FIRST-LAST or --id-list FILE"));
        return {};
    }
    FleetIdList ids;
    if (range) {
        ids = FleetIds::ParseRange(line.Value(QStringLiteral("ids")), ctx);
        if (!ids.ok())
            code = line.Usage(QStringLiteral("--ids: ") + ids.error);
        return ids.ids;
    }
    const QString path = line.Value(QStringLiteral("id-list"));
    QByteArray bytes;
    if (!CliIo::ReadText(path, bytes)) {
        code = kExitFailed;
        return {};
    }
    ids = FleetIds::ParseList(QString::fromUtf8(bytes), ctx);
    if (!ids.ok())
        code = CliIo::FileError(path, ids.error);
    return ids.ids;
}

// The session on the terminal: the status of each phase and each radio's result as lines, the
// progress bar of the transfer under way, the backups kept and the log written as they come.
class FleetRun {
public:
    FleetRun(FleetDriver& driver, FleetRecord& record, const TextContext& ctx, bool trace)
        : driver_(driver), adapter_(driver), record_(record), ctx_(ctx), trace_(trace) {
        QObject::connect(
            &adapter_, &FleetSerialAdapter::phaseChanged,
            [this](FleetPhase phase, int radio, Long id) { OnPhase(phase, radio, id); });
        QObject::connect(
            &adapter_, &FleetSerialAdapter::backupReady,
            [this](int radio, Long id, const Codeplug& before) { OnBackup(radio, id, before); });
        QObject::connect(&adapter_, &FleetSerialAdapter::radioDone,
                         [this](const FleetRadioReport& report) { OnRadioDone(report); });
        QObject::connect(&adapter_, &FleetSerialAdapter::portUnavailable,
                         [this](const PortOpenError& error) { OnPortUnavailable(error); });
        QObject::connect(&adapter_, &FleetSerialAdapter::progress,
                         [this](double fraction, const QString&) { bar_.Show(fraction); });
        QObject::connect(&adapter_, &FleetSerialAdapter::traceLine, [this](const QString& line) {
            if (trace_)
                Say(CliIo::Out(), line);
        });
    }

    int Run(const QString& port) {
        adapter_.SetPortName(port);
        QEventLoop loop;
        bool ended = false;
        QObject::connect(&adapter_, &FleetSerialAdapter::ended, [&] {
            ended = true;
            loop.quit();
        });
        // Ctrl+C ends the session after the radio at hand; a second one cuts its write short.
        InterruptWatch interrupt;
        QObject::connect(&interrupt, &InterruptWatch::interrupted, [this] { Stop(); });
        if (!adapter_.Start()) {
            CliIo::Err() << "zr40: the session could not be started\n";
            CliIo::Err().flush();
            return kExitFailed;
        }
        if (!ended)
            loop.exec();
        bar_.Finish();
        return Summary();
    }

private:
    void Say(QTextStream& stream, const QString& line) {
        bar_.Clear();
        stream << line << "\n";
        stream.flush();
    }

    void Stop() {
        if (driver_.Stopped())
            Say(CliIo::Err(),
                ctx_.Tr("FleetCommand", "Stopping now: the write under way is cut short."));
        else
            Say(CliIo::Err(),
                ctx_.Tr("FleetCommand",
                        "Stopping after the radio at hand (Ctrl+C again cuts its write short)."));
        adapter_.Stop();
    }

    void OnPhase(FleetPhase phase, int radio, Long id) {
        if (phase == FleetPhase::StoringBackup || logFailed_)
            return; // the backup's own line follows at once; a failed log ends the session
        if (phase == FleetPhase::Ended && !driver_.Reports().empty())
            return;
        Say(CliIo::Err(), FleetStatus::Line(phase, radio, driver_.RadioCount(), id, ctx_));
    }

    void OnBackup(int radio, Long id, const Codeplug& before) {
        const BackupResult saved = record_.KeepBackup(radio, id, before);
        if (saved.ok())
            Say(CliIo::Err(), ctx_.Tr("FleetCommand", "Backup: ") + CliIo::Shown(saved.path));
        adapter_.AnswerBackup(saved.ok(), saved.Message(ctx_));
    }

    void OnRadioDone(const FleetRadioReport& report) {
        QString line = ctx_.Tr("FleetCommand", "Radio %1 — ID %2: %3")
                           .arg(report.radio)
                           .arg(FleetIds::IdText(report.localId),
                                FleetStatus::ResultText(report.result, ctx_));
        if (!report.reason.isEmpty())
            line += QStringLiteral(" — ") + report.reason;
        for (const QString& difference : report.differences)
            line += QStringLiteral("\n  ") + difference;
        Say(report.ok() ? CliIo::Out() : CliIo::Err(), line);
        QString error;
        if (record_.Log(report, ctx_, error))
            return;
        // A session whose log cannot be kept must not go on programming radios unrecorded.
        logFailed_ = true;
        Say(CliIo::Err(), QStringLiteral("zr40: ") + error + QLatin1Char(' ') +
                              ctx_.Tr("FleetCommand", "The session stops."));
        if (driver_.Running())
            adapter_.Stop();
    }

    void OnPortUnavailable(const PortOpenError& error) {
        const QString text = error.Describe(ctx_.IsEnglish);
        if (text == lastPortError_)
            return; // it is tried again every 500 ms: said once is enough
        lastPortError_ = text;
        Say(CliIo::Err(), QStringLiteral("zr40: ") + text);
    }

    int Summary() {
        const auto& reports = driver_.Reports();
        int ok = 0;
        for (const FleetRadioReport& r : reports)
            ok += r.ok() ? 1 : 0;
        Say(CliIo::Err(),
            FleetStatus::Summary(int(reports.size()), driver_.RadioCount(), ok, ctx_) +
                ctx_.Tr("FleetCommand", "; log: ") + CliIo::Shown(record_.LogPath()));
        const bool all = int(reports.size()) == driver_.RadioCount() && ok == driver_.RadioCount();
        return all && !logFailed_ ? kExitOk : kExitFailed;
    }

    FleetDriver& driver_;
    FleetSerialAdapter adapter_;
    FleetRecord& record_;
    TextContext ctx_;
    bool trace_;
    bool logFailed_ = false;
    QString lastPortError_;
    TerminalProgress bar_;
};

} // namespace

int FleetCommand::Run(const QStringList& arguments) {
    CommandLine line(QStringLiteral("fleet"),
                     QStringLiteral("Writes one plan into radio after radio on one port, each with "
                                    "the next local ID: waits for a radio, backs it up, writes "
                                    "and verifies it, logs it, and waits for it to be unplugged "
                                    "before the next. Ctrl+C stops after the radio at hand."));
    RadioCommands::AddLinkOptions(line);
    line.AddOption({"ids", "The local IDs, a hexadecimal range such as 1001-1020.", "FIRST-LAST"});
    line.AddOption(
        {"id-list", "A file of local IDs, one hexadecimal ID per line (# comments).", "FILE"});
    line.AddOption({"log",
                    "The CSV log, one line per radio (columns time, radio, local_id, "
                    "previous_local_id, result, backup, seconds; result: verified, differences, "
                    "failed, written with "
                    "--no-verify, incomplete when stopped). An existing log is appended to.",
                    "FILE.csv"});
    BandChoice::AddOption(line);
    line.AddOption({"no-verify", "Do not read each radio back after writing it."});
    line.AddPositional(QStringLiteral("PLAN"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("PLAN"));
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    if (!RadioCommands::CheckLinkOptions(line))
        return kExitUsage;
    const TextContext ctx{line.Value(QStringLiteral("lang")) == QStringLiteral("en"),
                          QLatin1Char('.')};
    if (line.Value(QStringLiteral("log")).trimmed().isEmpty())
        return line.Usage(QStringLiteral("--log FILE.csv is required"));
    int code = kExitOk;
    std::vector<Long> ids = TakeIds(line, ctx, code);
    if (code != kExitOk)
        return code;
    Codeplug plan = CliIo::NewCodeplug();
    BandChoice band;
    if (!band.Apply(line, plan))
        return kExitUsage;
    CliIo::Err() << band.Line(plan, ctx) << "\n";
    if (!CliIo::LoadCodeplug(line.Positional().at(0), plan))
        return kExitFailed;
    plan.IsEnglish = ctx.IsEnglish;
    if (!RadioCommands::CheckBeforeWrite(plan, false, ctx, false))
        return kExitFailed;
    FleetRecord record(BackupStore::Default(), line.Value(QStringLiteral("log")));
    QString error;
    if (!record.OpenLog(ctx, error)) {
        CliIo::Err() << "zr40: " << error << "\n";
        CliIo::Err().flush();
        return kExitFailed;
    }
    FleetDriver::Options options;
    options.password = line.Value(QStringLiteral("password"));
    options.verify = !line.IsSet(QStringLiteral("no-verify"));
    options.english = ctx.IsEnglish;
    options.compare = ReadBackCheck::Compare(ctx);
    FleetDriver driver(plan, std::move(ids), options);
    FleetRun run(driver, record, ctx, line.IsSet(QStringLiteral("trace")));
    return run.Run(line.Value(QStringLiteral("port")));
}

} // namespace zr40
