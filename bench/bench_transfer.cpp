// A full read and a full write against zr40-sim through the real serial adapter, timed against
// what the cable allows: every byte in both directions at 10 bits per byte and 115200 baud,
// plus the radio's own thinking time per exchange. Each transfer runs once behind a cable that
// passes bytes on at once and once behind a USB-serial adapter that holds them for its latency
// timer, so the table shows what low latency saves.
//
//   bench_transfer [--delay MS] [--runs N] [--adapter-latency MS,MS...]   (default 0,16)

#include "link/serial/serial_adapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace zr40;

namespace {

constexpr double kBaud = 115200.0;
constexpr double kBitsPerByte = 10.0;

struct Figures {
    bool ok = false;
    qint64 sent = 0;
    qint64 received = 0;
    int exchanges = 0;
    double measuredMs = 0;
};

Figures RunTransfer(const QString& port, bool read, Codeplug& codeplug) {
    TransferEngine engine(codeplug, true);
    SerialAdapter adapter(engine);
    adapter.SetPortName(port);
    Figures figures;
    bool done = false;
    QObject::connect(&adapter, &SerialAdapter::TraceLine, [&](const QString& line) {
        if (line.startsWith(QLatin1String("TX:")))
            ++figures.exchanges;
    });
    QObject::connect(&adapter, &SerialAdapter::RetryQuestion,
                     [&](const QString&) { adapter.AnswerRetry(false); });
    QEventLoop loop;
    QObject::connect(&adapter, &SerialAdapter::Finished, [&](const LinkResult& result) {
        figures.ok = result.Succeeded();
        done = true;
        loop.quit();
    });
    if (adapter.Open().isError()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(port));
        return figures;
    }
    QElapsedTimer clock;
    clock.start();
    const auto started = read ? adapter.StartRead(QString()) : adapter.StartWrite(QString(), {});
    if (started != SerialAdapter::StartOutcome::Started)
        return figures;
    QTimer::singleShot(120000, &loop, &QEventLoop::quit); // hang guard
    if (!done)
        loop.exec();
    if (!done)
        return figures;
    figures.measuredMs = clock.nsecsElapsed() / 1e6;
    figures.sent = adapter.BytesSent();
    figures.received = adapter.BytesReceived();
    return figures;
}

double Report(const char* name, const Figures& f, int delayMs) {
    const double wireMs = (f.sent + f.received) * kBitsPerByte * 1000.0 / kBaud;
    const double boundMs = wireMs + double(f.exchanges) * delayMs;
    const double ratio = f.measuredMs / boundMs;
    std::printf("%-5s %s  bytes sent %6lld  received %6lld  exchanges %3d  bound %8.1f ms "
                "(wire %7.1f + delay %6.1f)  measured %8.1f ms  ratio %.3f\n",
                name, f.ok ? "ok  " : "FAIL", static_cast<long long>(f.sent),
                static_cast<long long>(f.received), f.exchanges, boundMs, wireMs,
                double(f.exchanges) * delayMs, f.measuredMs, ratio);
    return ratio;
}

} // namespace

namespace {

struct Totals {
    double readMs = 0;
    double writeMs = 0;
    int exchanges = 0;
    bool ok = true;
};

// Starts zr40-sim with these options and runs `runs` reads and writes against it; the totals are
// the best of the runs.
Totals RunAgainstSim(const QStringList& simArgs, int delayMs, int runs, double* worstRatio) {
    Totals totals;
    QProcess sim;
    sim.start(QStringLiteral(ZR40_BINARY_DIR "/zr40-sim"), simArgs);
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "zr40-sim did not start\n");
        totals.ok = false;
        return totals;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    std::printf("zr40-sim %s on %s\n", qPrintable(simArgs.join(' ')), qPrintable(port));
    for (int run = 0; run < runs; ++run) {
        Codeplug codeplug;
        codeplug.ApplyStartupDefaults();
        codeplug.ApplyNewDefaults();
        const Figures read = RunTransfer(port, true, codeplug);
        const double readRatio = Report("read", read, delayMs);
        const Figures write = RunTransfer(port, false, codeplug);
        const double writeRatio = Report("write", write, delayMs);
        if (worstRatio)
            *worstRatio = qMax(*worstRatio, qMax(readRatio, writeRatio));
        totals.ok = totals.ok && read.ok && write.ok;
        totals.exchanges = read.exchanges + write.exchanges;
        totals.readMs = run == 0 ? read.measuredMs : qMin(totals.readMs, read.measuredMs);
        totals.writeMs = run == 0 ? write.measuredMs : qMin(totals.writeMs, write.measuredMs);
    }
    sim.terminate();
    sim.waitForFinished(10000);
    return totals;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int delayMs = 0;
    int runs = 3;
    QList<int> latencies{0, 16};
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--delay"))
            delayMs = args[i + 1].toInt();
        if (args[i] == QLatin1String("--runs"))
            runs = qMax(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--adapter-latency")) {
            latencies.clear();
            for (const QString& ms : args[i + 1].split(QLatin1Char(',')))
                latencies << qMax(0, ms.toInt());
        }
    }
    std::printf("paced at 115200 baud, radio delay %d ms per exchange, best of %d runs\n", delayMs,
                runs);
    double worst = 0;
    bool allOk = true;
    QList<Totals> table;
    for (int latency : latencies) {
        QStringList simArgs{QStringLiteral("--pace")};
        if (delayMs > 0)
            simArgs << QStringLiteral("--delay") << QString::number(delayMs);
        if (latency > 0)
            simArgs << QStringLiteral("--adapter-latency") << QString::number(latency);
        // The wire-time bound holds for a cable without latency; the others show its cost.
        table << RunAgainstSim(simArgs, delayMs, runs, latency == 0 ? &worst : nullptr);
        allOk = allOk && table.back().ok;
    }
    std::printf("\nadapter latency | read ms | write ms | total ms | exchanges | extra vs first\n");
    for (int k = 0; k < latencies.size(); ++k) {
        const Totals& t = table[k];
        const double total = t.readMs + t.writeMs;
        const double first = table[0].readMs + table[0].writeMs;
        std::printf("%12d ms | %7.0f | %8.0f | %8.0f | %9d | %+.0f ms\n", latencies[k], t.readMs,
                    t.writeMs, total, t.exchanges, total - first);
    }
    if (latencies.contains(0))
        std::printf("worst ratio without latency %.3f (target at most 1.10)\n", worst);
    return allOk ? 0 : 1;
}
