// The machine time of each radio of a fleet session (backup read, write, verify read) against
// zr40-sim --fleet through the real serial port, timed against what the cable allows: every byte
// in both directions at 10 bits per byte and 115200 baud, plus the protocol's 1 ms hand-over per
// exchange. Each session runs once behind a cable that passes bytes on at once and once behind a
// USB-serial adapter that holds them for its latency timer.
//
//   bench_fleet [--radios N] [--adapter-latency MS,MS...]   (defaults 3 and 0,16)

#include "link/serial/fleet_serial_adapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace zr40;

namespace {

constexpr double kBitsPerByte = 10.0;
constexpr double kBaud = 115200.0;
constexpr double kHandOverMs = 1.0;

// The port's counters and the clock when a phase began.
struct Mark {
    double ms = 0;
    qint64 bytes = 0;
    qint64 frames = 0;
};

struct RadioFigures {
    bool ok = false;
    Mark start, write, verify, end; // backup read, write, verify read, result
    double Ms() const { return end.ms - start.ms; }
    qint64 Bytes() const { return end.bytes - start.bytes; }
    qint64 Frames() const { return end.frames - start.frames; }
    double BoundMs() const {
        return Bytes() * kBitsPerByte * 1000.0 / kBaud + Frames() * kHandOverMs;
    }
};

Codeplug Plan() {
    Codeplug plan;
    plan.ApplyStartupDefaults();
    plan.ResetApplicationState();
    plan.ApplyNewDefaults();
    return plan;
}

std::vector<RadioFigures> RunSession(const QString& port, int radios) {
    std::vector<Long> ids;
    for (int k = 0; k < radios; ++k)
        ids.push_back(0x1001 + k);
    FleetDriver driver(Plan(), ids, {});
    FleetSerialAdapter adapter(driver);
    adapter.SetPortName(port);
    QElapsedTimer clock;
    clock.start();
    std::vector<RadioFigures> figures(radios);
    auto mark = [&] {
        LinkPort& p = adapter.Port();
        return Mark{clock.nsecsElapsed() / 1e6, p.BytesSent() + p.BytesReceived(), p.FramesSent()};
    };
    QObject::connect(&adapter, &FleetSerialAdapter::phaseChanged,
                     [&](FleetPhase phase, int radio, Long) {
                         if (radio < 1 || radio > radios)
                             return;
                         RadioFigures& f = figures[radio - 1];
                         if (phase == FleetPhase::ReadingBackup)
                             f.start = mark();
                         else if (phase == FleetPhase::Writing)
                             f.write = mark();
                         else if (phase == FleetPhase::Verifying)
                             f.verify = mark();
                     });
    QObject::connect(&adapter, &FleetSerialAdapter::backupReady,
                     [&](int, Long, const Codeplug&) { adapter.AnswerBackup(true); });
    QObject::connect(&adapter, &FleetSerialAdapter::radioDone, [&](const FleetRadioReport& r) {
        RadioFigures& f = figures[r.radio - 1];
        f.end = mark();
        f.ok = r.result == FleetRadioReport::Result::Verified;
    });
    QEventLoop loop;
    QObject::connect(&adapter, &FleetSerialAdapter::ended, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000 * radios, &loop, &QEventLoop::quit); // hang guard
    if (adapter.Start())
        loop.exec();
    return figures;
}

void Report(int latency, const std::vector<RadioFigures>& figures, double* worst) {
    std::printf("\nadapter latency %d ms\n", latency);
    std::printf("radio | backup ms | write ms | verify ms | total ms | bytes | exchanges | "
                "bound ms | ratio\n");
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const RadioFigures& f = figures[k];
        const double ratio = f.Ms() / f.BoundMs();
        std::printf("%5zu | %9.1f | %8.1f | %9.1f | %8.1f | %5lld | %9lld | %8.1f | %.3f%s\n",
                    k + 1, f.write.ms - f.start.ms, f.verify.ms - f.write.ms,
                    f.end.ms - f.verify.ms, f.Ms(), static_cast<long long>(f.Bytes()),
                    static_cast<long long>(f.Frames()), f.BoundMs(), ratio, f.ok ? "" : "  FAILED");
        if (worst)
            *worst = std::max(*worst, ratio);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int radios = 3;
    QList<int> latencies{0, 16};
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--radios"))
            radios = std::max(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--adapter-latency")) {
            latencies.clear();
            for (const QString& ms : args[i + 1].split(QLatin1Char(',')))
                latencies << std::max(0, ms.toInt());
        }
    }
    std::printf("fleet of %d, paced at 115200 baud; bound = wire time + %.0f ms per exchange\n",
                radios, kHandOverMs);
    double worst = 0;
    bool allOk = true;
    for (int latency : latencies) {
        QProcess sim;
        QStringList simArgs{"--fleet", QString::number(radios), "--pace"};
        if (latency > 0)
            simArgs << "--adapter-latency" << QString::number(latency);
        sim.start(QStringLiteral(ZR40_BINARY_DIR "/zr40-sim"), simArgs);
        if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
            std::fprintf(stderr, "zr40-sim did not start\n");
            return 1;
        }
        const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
        const std::vector<RadioFigures> figures = RunSession(port, radios);
        Report(latency, figures, latency == 0 ? &worst : nullptr);
        allOk = allOk && std::all_of(figures.begin(), figures.end(),
                                     [](const RadioFigures& f) { return f.ok; });
        sim.terminate();
        sim.waitForFinished(10000);
    }
    if (latencies.contains(0))
        std::printf("\nworst ratio without adapter latency %.3f (goal at most 1.05)\n", worst);
    return allOk ? 0 : 1;
}
