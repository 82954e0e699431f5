#include "sim/server/sim_options.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace zr40 {

namespace {

std::optional<long long> Number(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

void AddOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"link", "Symlink to the pseudo-terminal.", "PATH"},
        {"memory", "Radio memory from this .rdat file, written back after a write.", "FILE"},
        {"password", "Programming password (-1: none).", "N"},
        {"data-version", "Data version the radio reports (1 is a ZR40).", "N"},
        {"header-counts", "Radio header values, comma separated.", "a,b,c..."},
        {"silent", "Answer nothing to the next N requests.", "N"},
        {"noise", "Line noise before the next N replies (N defaults to 1).", "N"},
        {"trailing", "A stray byte after the next N replies.", "N"},
        {"bad-checksum", "A wrong checksum in the next N replies.", "N"},
        {"bad-direction", "The wrong direction byte in the next N replies.", "N"},
        {"cut-short", "The next N replies stop before their end.", "N"},
        {"delay", "Think this many milliseconds before every reply.", "MS"},
        {"pace", "Move bytes at the speed of a 115200 baud cable (default)."},
        {"no-pace", "Move bytes as fast as the pseudo-terminal does."},
        {"adapter-latency",
         "Pass reply bytes on in bursts every MS milliseconds, as a USB-serial adapter does "
         "whose driver has not asked it for low latency (16 on common chips).",
         "MS"},
        {"close-after", "Pull the cable when request N+1 arrives.", "N"},
        {"corrupt-write",
         "The next N channel commits store a receive frequency 12.5 kHz above the one written.",
         "N"},
        {"fleet",
         "Play N radios one after another: after each completed write that is read back, or "
         "followed by two identify requests in a row (a session without read-back), the cable "
         "is silent for two seconds, then the next radio answers. Radio K keeps its memory in "
         "the --memory file with -K before the extension (radio.rdat: radio-1.rdat, "
         "radio-2.rdat ...; the --memory file itself is never written); a radio whose file does "
         "not exist yet starts from the --memory file, or from the factory memory.",
         "N"},
        {"fault-radio",
         "With --fleet: the fault switches take effect when radio K comes "
         "(default 1).",
         "K"},
        {"verbose", "Log every request on stderr."},
    });
    parser.addHelpOption();
}

bool ReadNumber(const QCommandLineParser& parser, const char* name, long long low, long long high,
                long long* value, QString* error) {
    if (!parser.isSet(name))
        return true;
    const auto number = Number(parser.value(name));
    if (!number || *number < low || *number > high) {
        *error = QStringLiteral("--%1: expected a number from %2 to %3, got \"%4\"")
                     .arg(QLatin1String(name))
                     .arg(low)
                     .arg(high)
                     .arg(parser.value(name));
        return false;
    }
    *value = *number;
    return true;
}

bool ReadHeader(const QString& text, std::vector<Long>* values, QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 7) {
        *error = QStringLiteral("--header-counts: at most 7 values");
        return false;
    }
    for (const QString& part : parts) {
        const auto number = Number(part);
        if (!number || *number < INT32_MIN || *number > INT32_MAX) {
            *error = QStringLiteral("--header-counts: \"%1\" is not a number").arg(part);
            return false;
        }
        values->push_back(static_cast<Long>(*number));
    }
    return true;
}

const char* const kCountedFaults[] = {"noise", "trailing", "bad-checksum", "bad-direction",
                                      "cut-short"};

// The fault switches may stand alone ("--noise") or take a count ("--noise 5", "--noise=5").
QStringList WithFaultCounts(const QStringList& arguments) {
    QStringList out;
    for (int i = 0; i < arguments.size(); ++i) {
        out << arguments[i];
        for (const char* name : kCountedFaults) {
            const bool bare = arguments[i] == QStringLiteral("--") + QLatin1String(name);
            const bool countFollows = i + 1 < arguments.size() && Number(arguments[i + 1]);
            if (bare && !countFollows)
                out << QStringLiteral("1");
        }
    }
    return out;
}

int FaultCount(const QCommandLineParser& parser, const char* name, QString* error) {
    if (!parser.isSet(name))
        return 0;
    const auto number = Number(parser.value(name));
    if (!number || *number < 0 || *number > 1000000) {
        *error = QStringLiteral("--%1: expected a count, got \"%2\"")
                     .arg(QLatin1String(name), parser.value(name));
        return -1;
    }
    return static_cast<int>(*number);
}

} // namespace

std::optional<SimOptions> SimOptions::Parse(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("zr40-sim")} + WithFaultCounts(arguments))) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]);
        return std::nullopt;
    }
    SimOptions options;
    options.helpRequested = parser.isSet("help");
    options.linkPath = parser.value("link");
    options.memoryFile = parser.value("memory");
    options.paced = !parser.isSet("no-pace");
    options.verbose = parser.isSet("verbose");
    long long password = -1, version = 1, silent = 0, delay = 0, closeAfter = -1, latency = 0,
              corrupt = 0, fleet = 0, faultRadio = 1;
    if (!ReadNumber(parser, "password", INT32_MIN, INT32_MAX, &password, error) ||
        !ReadNumber(parser, "data-version", INT32_MIN, INT32_MAX, &version, error) ||
        !ReadNumber(parser, "silent", 0, 1000000, &silent, error) ||
        !ReadNumber(parser, "delay", 0, 60000, &delay, error) ||
        !ReadNumber(parser, "close-after", 0, 1000000, &closeAfter, error) ||
        !ReadNumber(parser, "adapter-latency", 0, 1000, &latency, error) ||
        !ReadNumber(parser, "corrupt-write", 0, 1000000, &corrupt, error) ||
        !ReadNumber(parser, "fleet", 1, 1000000, &fleet, error) ||
        !ReadNumber(parser, "fault-radio", 1, 1000000, &faultRadio, error))
        return std::nullopt;
    if (parser.isSet("header-counts") &&
        !ReadHeader(parser.value("header-counts"), &options.headerValues, error))
        return std::nullopt;
    if (parser.isSet("password"))
        options.password = static_cast<Long>(password);
    if (parser.isSet("data-version"))
        options.dataVersion = static_cast<Long>(version);
    options.closeAfterRequests = static_cast<int>(closeAfter);
    options.adapterLatencyMs = static_cast<int>(latency);
    options.faults.silentRequests = static_cast<int>(silent);
    options.faults.replyDelayMs = static_cast<int>(delay);
    options.faults.corruptChannelCommits = static_cast<int>(corrupt);
    options.fleet = static_cast<int>(fleet);
    options.faultRadio = static_cast<int>(faultRadio);
    int* counters[] = {&options.faults.noisyReplies, &options.faults.trailingReplies,
                       &options.faults.badChecksumReplies, &options.faults.wrongDirectionReplies,
                       &options.faults.cutReplies};
    for (int k = 0; k < 5; ++k) {
        *counters[k] = FaultCount(parser, kCountedFaults[k], error);
        if (*counters[k] < 0)
            return std::nullopt;
    }
    return options;
}

QString SimOptions::Usage() {
    QCommandLineParser parser;
    AddOptions(parser);
    parser.setApplicationDescription(
        QStringLiteral("A virtual ZR40 on a pseudo-terminal. Prints the device path on the "
                       "first line of stdout."));
    return parser.helpText();
}

QString SimOptions::FleetMemoryFile(const QString& memoryFile, int radio) {
    if (memoryFile.isEmpty())
        return {};
    const QString suffix = QFileInfo(memoryFile).suffix();
    const qsizetype cut = suffix.isEmpty() ? 0 : suffix.size() + 1; // with its dot
    return memoryFile.chopped(cut) + QStringLiteral("-%1").arg(radio) + memoryFile.right(cut);
}

} // namespace zr40
