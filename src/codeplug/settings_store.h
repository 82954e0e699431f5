#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/model_band.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace zr40 {

// The settings that survive between runs: interface language and serial port, and the service
// mode a technician switches on by hand (it is never written by the program). They live in
// the user's own settings (organisation "NQ", application "ZR40"): a machine-wide store cannot be
// written by an ordinary user on Linux, and a failed write would lose the choice silently.
class SettingsStore {
public:
    static constexpr const char* kLanguage = "Language";
    static constexpr const char* kComPort = "ComPort";
    static constexpr const char* kBackupBeforeWrite = "BackupBeforeWrite"; // "True" / "False"
    static constexpr const char* kVerifyAfterWrite = "VerifyAfterWrite";   // "True" / "False"
    static constexpr const char* kServiceMode = "ServiceMode";

    // The band last confirmed in Model Information, as "400-480" (whole MHz).
    static constexpr const char* kBand = "Band";

    // The user's settings file (~/.config/NQ/ZR40.ini). Only a regular file of a sensible size
    // is used: anything else reads as no settings and cannot be written.
    static QString Location();

    // Missing value -> empty text.
    QString ReadText(const QString& name) const;
    // false when the value could not be stored.
    bool WriteText(const QString& name, const QString& text);
    // Values of other kinds (window geometry, lists); an invalid QVariant when missing.
    QVariant ReadValue(const QString& name) const;
    bool WriteValue(const QString& name, const QVariant& value);

    static bool IsEnglishFrom(const QString& text); // exactly "True"
    // Leading blanks skipped, digits up to the first other character; no digits -> 1.
    static int ComPortNumberFrom(const QString& text);
    // A device name ("ttyUSB0", "/dev/ttyACM0", "COM3") rather than a plain number.
    static bool IsDeviceName(const QString& text);
    // "True", "true" or "1" switch service mode on; anything else, or no value, leaves it off.
    static bool ServiceModeFrom(const QString& text);

    bool ServiceMode() const;
    // A port was saved from the port dialog once.
    bool PortSaved() const { return !ReadText(QString::fromLatin1(kComPort)).trimmed().isEmpty(); }

    // The band last confirmed; none when it was never confirmed or does not read as a band.
    std::optional<ModelBand::Limits> Band() const;
    bool WriteBand(const ModelBand::Limits& band);
    // The saved band as the band in use; without one the limits stay as they are and
    // BandNeverChosen says so.
    void LoadBand(Codeplug& codeplug) const;

    // IsEnglish, ComPortNumber, ComPortName, BackupBeforeWrite and VerifyAfterWrite (on unless
    // "False") as the main window sets them at start-up.
    void Load(Codeplug& codeplug) const;
};

} // namespace zr40
