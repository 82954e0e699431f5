#pragma once

#include "codeplug/codeplug.h"
#include "sim/radio_faults.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zr40 {

// What the simulated radio is told on its command line: where its memory comes from, its
// password and model, how fast its cable is and which faults it shows.
struct SimOptions {
    QString linkPath;   // --link: a symlink to the pseudo-terminal
    QString memoryFile; // --memory: memory read from and written back to this .rdat file
    std::optional<Long> password;
    std::optional<Long> dataVersion;
    std::vector<Long> headerValues; // --header-counts, in the order of the radio header
    RadioFaults faults;
    bool paced = true;
    int adapterLatencyMs = 0;    // 0: reply bytes are passed on as they arrive
    int closeAfterRequests = -1; // -1: never pull the cable
    int fleet = 0;               // --fleet: radios played one after another; 0: one radio
    int faultRadio = 1;          // --fault-radio: the fleet's radio the faults begin with
    bool verbose = false;        // log every request on stderr
    bool helpRequested = false;

    // Parses the arguments after the program name; on failure returns nullopt and sets *error.
    static std::optional<SimOptions> Parse(const QStringList& arguments, QString* error);
    static QString Usage();
    // Where radio `radio` of a fleet keeps its memory: `memoryFile` with "-<radio>" before the
    // extension ("radio.rdat" -> "radio-2.rdat"); empty without a memory file.
    static QString FleetMemoryFile(const QString& memoryFile, int radio);
};

} // namespace zr40
