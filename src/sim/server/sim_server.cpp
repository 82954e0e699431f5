#include "sim/server/sim_server.h"

#include "codeplug/radio_data_file.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/resource.h>

namespace zr40 {

namespace {

volatile std::sig_atomic_t stopRequested = 0;
// How often a reply being sent looks at the clock.
constexpr auto kGroupTime = std::chrono::milliseconds(2);

void OnStopSignal(int) {
    stopRequested = 1;
}

const char* CommandName(CommandClass command) {
    switch (command) {
    case CommandClass::Identify:
        return "identify";
    case CommandClass::ReadBlock:
        return "read";
    case CommandClass::WriteBlock:
        return "write";
    case CommandClass::Commit:
        return "commit";
    case CommandClass::EndOfWrite:
        return "end of write";
    }
    return "?";
}

} // namespace

SimServer::SimServer(const SimOptions& options)
    : options_(options), wire_(options.paced),
      adapter_(std::chrono::milliseconds(options.adapterLatencyMs)) {}

void SimServer::RequestStop() {
    stopRequested = 1;
}

bool SimServer::Start(QString* error) {
    // Before the device is announced: whoever reads the path may stop us at once.
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN); // a file-size limit fails the memory's save, said in the log
    started_ = WireClock::Now();
    if (!LoadMemory(error))
        return false;
    ApplyOptions();
    if (options_.fleet > 0)
        fleet_.emplace(radio_, options_.fleet,
                       [this](int number, VirtualRadio&) { NextRadio(number); });
    if (!pty_.Open(error))
        return false;
    if (!options_.linkPath.isEmpty() && !pty_.CreateLink(options_.linkPath, error))
        return false;
    return true;
}

QString SimServer::MemoryFile() const {
    if (options_.fleet > 0)
        return SimOptions::FleetMemoryFile(options_.memoryFile, radioNumber_);
    return options_.memoryFile;
}

bool SimServer::LoadMemory(QString* error) {
    memory_ = Codeplug();
    memory_.ApplyNewDefaults();
    QString source = MemoryFile();
    // A radio of a fleet that has no memory of its own yet starts as the --memory file.
    if (options_.fleet > 0 && !QFileInfo::exists(source))
        source = options_.memoryFile;
    const Long password = options_.password.value_or(-1);
    if (source.isEmpty() || !QFileInfo::exists(source)) {
        if (!source.isEmpty())
            Log(QStringLiteral("%1 does not exist yet; starting from the factory memory")
                    .arg(source));
        radio_.LoadFrom(VirtualRadio::FactoryMemory(), password);
        radio_.SaveTo(memory_);
        return true;
    }
    const FileResult result = RadioDataFile::ReadFromFile(source, memory_);
    if (!result.ok()) {
        *error = QStringLiteral("%1: %2").arg(source, result.Message(true));
        return false;
    }
    radio_.LoadFrom(memory_, password);
    return true;
}

void SimServer::ApplyOptions() {
    std::vector<Long>& header = radio_.Header();
    for (std::size_t i = 0; i < options_.headerValues.size() && i < header.size(); ++i)
        header[i] = options_.headerValues[i];
    if (options_.dataVersion)
        radio_.SetDataVersion(*options_.dataVersion);
    // The faults of a fleet begin with the radio asked for and count on through the next ones.
    if (options_.fleet == 0 || radioNumber_ == options_.faultRadio)
        radio_.Faults() = options_.faults;
    else if (radioNumber_ < options_.faultRadio)
        radio_.Faults() = RadioFaults{};
}

void SimServer::NextRadio(int number) {
    radioNumber_ = number;
    QString error;
    if (!LoadMemory(&error)) {
        Log(QStringLiteral("%1; radio %2 starts from the factory memory").arg(error).arg(number));
        radio_.LoadFrom(VirtualRadio::FactoryMemory(), options_.password.value_or(-1));
    }
    ApplyOptions();
    Log(QStringLiteral("radio %1 of %2 answers").arg(number).arg(options_.fleet));
}

std::vector<RadioReply> SimServer::Answer(const QByteArray& bytes, WireClock::TimePoint arrived) {
    if (!fleet_)
        return radio_.Receive(bytes);
    const qint64 nowMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(arrived - started_).count();
    const bool present = fleet_->Present(nowMs);
    std::vector<RadioReply> replies = fleet_->Receive(bytes, nowMs);
    if (present && !fleet_->Present(nowMs))
        Log(QStringLiteral("radio %1 written and read back; it leaves the cable")
                .arg(fleet_->Number()));
    return replies;
}

int SimServer::Serve() {
    // The radio is hardware of its own and is never late; on a shared machine the simulator
    // asks for a better place in the queue so that it stays on the wire's time (allowed for
    // root only; otherwise it runs as it is).
    if (options_.paced)
        setpriority(PRIO_PROCESS, 0, -10);
    while (!stopRequested) {
        if (!WaitForInput())
            continue;
        if (!HandleInput())
            break;
    }
    // The radio keeps every block it committed, also of a write that never ended.
    SaveCommitted();
    pty_.Close();
    return 0;
}

// Waits for the client's bytes with the stop signals blocked except inside ppoll, so a signal
// can never slip in between the check of the flag and the wait.
bool SimServer::WaitForInput() {
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigprocmask(SIG_BLOCK, &blocked, &previous);
    pollfd terminal{pty_.masterDescriptor(), POLLIN, 0};
    int ready = 0;
    if (!stopRequested)
        ready = ppoll(&terminal, 1, nullptr, &previous);
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (ready > 0 && (terminal.revents & (POLLERR | POLLNVAL))) {
        // The terminal itself failed; waiting on it again would only spin.
        Log(QStringLiteral("the pseudo-terminal failed; stopping"));
        RequestStop();
    }
    return ready > 0 && (terminal.revents & POLLIN);
}

bool SimServer::HandleInput() {
    const auto seen = WireClock::Now();
    const QByteArray bytes = pty_.ReadAvailable();
    if (bytes.isEmpty())
        return true;
    const auto arrived = wire_.Arrival(bytes.size(), seen);
    WireClock::SleepUntil(arrived);
    const std::vector<RadioReply> replies = Answer(bytes, arrived);
    const auto& requests = radio_.Requests();
    for (; loggedRequests_ < requests.size(); ++loggedRequests_) {
        const auto& r = requests[loggedRequests_];
        if (options_.verbose)
            Log(QStringLiteral("request %1: %2 block %3 index %4, %5 values")
                    .arg(loggedRequests_ + 1)
                    .arg(QLatin1String(CommandName(r.command)))
                    .arg(int(r.block))
                    .arg(r.index)
                    .arg(r.values));
    }
    if (options_.closeAfterRequests >= 0 &&
        requests.size() > std::size_t(options_.closeAfterRequests)) {
        Log(QStringLiteral("cable pulled after %1 requests").arg(options_.closeAfterRequests));
        return false;
    }
    // Like the radio, the memory is safe before the end of the write is acknowledged.
    SaveAfterWrite();
    for (const RadioReply& reply : replies)
        SendReply(reply, arrived);
    return true;
}

void SimServer::SendReply(const RadioReply& reply, WireClock::TimePoint requestArrived) {
    const auto start = requestArrived + std::chrono::milliseconds(reply.delayMs);
    WireClock::SleepUntil(start);
    const long long total = reply.bytes.size();
    long long written = 0;
    // A UART hands each byte over when its stop bit is done. Bytes go out in groups of a
    // couple of milliseconds, as a USB serial adapter delivers them; the last group goes out
    // exactly when the last stop bit ends. Few wake-ups keep the radio on time on a busy machine.
    // An adapter that holds bytes for its latency timer passes on what has come in at each
    // burst instead.
    const auto end = start + adapter_.Delivered(wire_.TimeFor(total));
    while (written < total) {
        const auto now = WireClock::Now();
        const auto burst = adapter_.LastBurst(now - start);
        const long long due = burst ? wire_.BytesWithin(*burst, total) : 0;
        if (due > written) {
            if (!pty_.WriteAll(reply.bytes.mid(written, due - written)))
                return;
            written = due;
        }
        const auto wake =
            adapter_.Holds() ? start + adapter_.NextBurst(now - start) : now + kGroupTime;
        if (written < total)
            WireClock::SleepUntil(std::min(wake, end));
    }
}

void SimServer::SaveAfterWrite() {
    if (radio_.EndOfWriteCount() == savedWrites_)
        return;
    savedWrites_ = radio_.EndOfWriteCount();
    if (MemoryFile().isEmpty())
        return;
    radio_.SaveTo(memory_);
    SaveMemory(QStringLiteral("write complete"));
}

void SimServer::SaveCommitted() {
    if (MemoryFile().isEmpty())
        return;
    Codeplug now = memory_;
    radio_.SaveTo(now);
    if (now.SameRadioData(memory_))
        return;
    memory_ = now;
    SaveMemory(QStringLiteral("write incomplete"));
}

void SimServer::SaveMemory(const QString& why) {
    const QString file = MemoryFile();
    const FileResult result = RadioDataFile::WriteToFile(file, memory_);
    if (result.ok())
        Log(QStringLiteral("%1; memory saved to %2").arg(why, file));
    else
        Log(QStringLiteral("%1; could not save memory: %2").arg(why, result.Message(true)));
}

void SimServer::Log(const QString& line) const {
    std::fprintf(stderr, "zr40-sim: %s\n", qPrintable(line));
    std::fflush(stderr);
}

} // namespace zr40
