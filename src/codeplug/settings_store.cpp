#include "codeplug/settings_store.h"

#include "codeplug/file_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace zr40 {

namespace {

// A settings file is a few lines; anything much larger is not one.
constexpr qint64 kLargestSettings = 1024 * 1024;

// The settings, or nothing when the file cannot be one: QSettings opens the file as it is made,
// and a pipe put in its place would hold the program there for ever.
std::unique_ptr<QSettings> UserSettings() {
    const QString path = SettingsStore::Location();
    if (!FileReader::CheckRegular(path).ok() || QFileInfo(path).size() > kLargestSettings)
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// Digits after optional leading blanks; -1 when there are none or they do not fit a port number.
int LeadingNumber(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    int value = 0;
    int digits = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++digits) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 32767)
            return -1;
    }
    return digits == 0 ? -1 : value;
}

} // namespace

QString SettingsStore::Location() {
    // Where QSettings keeps the user's settings of organisation "NQ", application "ZR40".
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString folder = QDir::isAbsolutePath(configured)
                               ? configured
                               : QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/NQ/ZR40.ini");
}

QString SettingsStore::ReadText(const QString& name) const {
    const QVariant value = ReadValue(name);
    return value.isValid() ? value.toString() : QString();
}

bool SettingsStore::WriteText(const QString& name, const QString& text) {
    return WriteValue(name, text);
}

QVariant SettingsStore::ReadValue(const QString& name) const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    return settings ? settings->value(name) : QVariant();
}

bool SettingsStore::WriteValue(const QString& name, const QVariant& value) {
    const std::unique_ptr<QSettings> settings = UserSettings();
    if (!settings || !settings->isWritable())
        return false;
    settings->setValue(name, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool SettingsStore::IsEnglishFrom(const QString& text) {
    return text == QStringLiteral("True");
}

int SettingsStore::ComPortNumberFrom(const QString& text) {
    const int number = LeadingNumber(text);
    return number < 0 ? 1 : number;
}

bool SettingsStore::IsDeviceName(const QString& text) {
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && !trimmed[0].isDigit();
}

bool SettingsStore::ServiceModeFrom(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 ||
           trimmed == QStringLiteral("1");
}

bool SettingsStore::ServiceMode() const {
    return ServiceModeFrom(ReadText(QString::fromLatin1(kServiceMode)));
}

std::optional<ModelBand::Limits> SettingsStore::Band() const {
    const auto band = ModelBand::LimitsFromAreaText(ReadText(QString::fromLatin1(kBand)).trimmed());
    if (!band || band->lower >= band->upper)
        return std::nullopt;
    return band;
}

bool SettingsStore::WriteBand(const ModelBand::Limits& band) {
    return WriteText(QString::fromLatin1(kBand),
                     QStringLiteral("%1-%2").arg(band.lower).arg(band.upper));
}

void SettingsStore::LoadBand(Codeplug& codeplug) const {
    const auto band = Band();
    codeplug.BandNeverChosen = !band;
    if (!band)
        return;
    codeplug.BandLower = static_cast<std::int16_t>(band->lower);
    codeplug.BandUpper = codeplug.BandUpperTx = static_cast<std::int16_t>(band->upper);
}

void SettingsStore::Load(Codeplug& codeplug) const {
    codeplug.IsEnglish = IsEnglishFrom(ReadText(QString::fromLatin1(kLanguage)));
    codeplug.BackupBeforeWrite =
        ReadText(QString::fromLatin1(kBackupBeforeWrite)) != QStringLiteral("False");
    codeplug.VerifyAfterWrite =
        ReadText(QString::fromLatin1(kVerifyAfterWrite)) != QStringLiteral("False");
    const QString port = ReadText(QString::fromLatin1(kComPort));
    if (IsDeviceName(port)) {
        codeplug.ComPortName = port.trimmed();
        // "COM3" keeps the number in step; any other device name leaves port 1.
        const bool com = codeplug.ComPortName.startsWith(QStringLiteral("COM"));
        codeplug.ComPortNumber =
            static_cast<std::int16_t>(com ? ComPortNumberFrom(codeplug.ComPortName.mid(3)) : 1);
        return;
    }
    codeplug.ComPortNumber = static_cast<std::int16_t>(ComPortNumberFrom(port));
#ifdef Q_OS_WIN
    codeplug.ComPortName = QStringLiteral("COM") + QString::number(codeplug.ComPortNumber);
#else
    codeplug.ComPortName.clear();
#endif
}

} // namespace zr40
