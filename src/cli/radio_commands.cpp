#include "radio_commands.h"

#include "cli_io.h"
#include "command_line.h"
#include "radio_session.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace zr40 {

namespace {

void AddLinkOptions(CommandLine& line) {
    line.AddOption(
        {"port", "Serial port: ttyUSB0, /dev/ttyUSB0, /dev/serial/by-id/..., COM3.", "DEV"});
    line.AddOption({"password", "The radio's programming password (up to 6 digits).", "P"});
    line.AddOption({"trace", "Print every frame sent and received."});
    line.AddOption({"lang", "Language of the messages: en or zh (default en).", "LANG", "en"});
}

// Checks the options both transfers share; returns false after reporting a usage error.
bool CheckLinkOptions(const CommandLine& line) {
    const QString lang = line.Value(QStringLiteral("lang"));
    if (lang != QStringLiteral("en") && lang != QStringLiteral("zh")) {
        line.Usage(QStringLiteral("--lang must be en or zh"));
        return false;
    }
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

bool English(const CommandLine& line) {
    return line.Value(QStringLiteral("lang")) == QStringLiteral("en");
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
    return CliIo::SaveCodeplug(output, codeplug) ? kExitOk : kExitFailed;
}

int RadioCommands::Write(const QStringList& arguments) {
    CommandLine line(QStringLiteral("write"),
                     QStringLiteral("Writes a radio data file into the radio."));
    AddLinkOptions(line);
    line.AddOption({"new-password", "Give the radio this password (up to 6 digits).", "N"});
    line.AddOption({"no-password", "Remove the radio's password."});
    line.AddPositional(QStringLiteral("FILE"), QStringLiteral("The radio data file (.rdat)."),
                       QStringLiteral("FILE"));
    if (!line.Parse(arguments, 1, 1))
        return line.exitCode;
    if (!CheckLinkOptions(line))
        return kExitUsage;
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
    if (!CliIo::LoadCodeplug(line.Positional().at(0), codeplug))
        return kExitFailed;
    codeplug.IsEnglish = English(line);
    RadioSession session(codeplug, line.Value(QStringLiteral("port")), English(line),
                         line.IsSet(QStringLiteral("trace")));
    return session.Write(line.Value(QStringLiteral("password")), choice);
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
