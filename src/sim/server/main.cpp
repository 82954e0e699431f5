#include "sim/server/sim_options.h"
#include "sim/server/sim_server.h"

#include <QCoreApplication>

#include <cstdio>

// zr40-sim: a virtual ZR40 on a pseudo-terminal, for tests, benchmarks and trying the
// programming software without a radio. The first line on stdout is the device to open.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const auto options = zr40::SimOptions::Parse(app.arguments().mid(1), &error);
    if (!options) {
        std::fprintf(stderr, "zr40-sim: %s\n%s", qPrintable(error),
                     qPrintable(zr40::SimOptions::Usage()));
        return 2;
    }
    if (options->helpRequested) {
        std::fputs(qPrintable(zr40::SimOptions::Usage()), stdout);
        return 0;
    }
    zr40::SimServer server(*options);
    if (!server.Start(&error)) {
        std::fprintf(stderr, "zr40-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.DevicePath()));
    std::fflush(stdout);
    return server.Serve();
}
