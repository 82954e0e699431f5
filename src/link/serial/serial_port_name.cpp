#include "link/serial/serial_port_name.h"

#include "codeplug/text_context.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zr40 {

QString SerialPortName::Resolve(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return {};
#ifdef Q_OS_WIN
    return trimmed;
#else
    // A name with a slash is a path, also a relative one; the serial library would put /dev/ in
    // front of anything that does not start with a slash, so it gets the absolute path.
    if (trimmed.contains(QLatin1Char('/')))
        return QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath());
    if (const int number = ComNumber(trimmed); number > 0)
        return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    return QStringLiteral("/dev/") + trimmed;
#endif
}

QString SerialPortName::FromNumber(int number) {
    return QStringLiteral("COM%1").arg(number);
}

int SerialPortName::ComNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^COM([0-9]{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return 0;
    return match.captured(1).toInt();
}

QString SerialPortName::Shown(const QString& name) {
#ifdef Q_OS_WIN
    return name.trimmed();
#else
    const QString path = Resolve(name);
    static const QString dev = QStringLiteral("/dev/");
    return path.startsWith(dev) && !path.mid(dev.size()).contains(QLatin1Char('/'))
               ? path.mid(dev.size())
               : path;
#endif
}

QString SerialPortName::PortLine(const QString& name, bool english) {
    return TextContext{english}.Tr("SerialPortName", "Port: ") + Shown(name);
}

QString SerialPortName::Choose(const QString& deviceName, int number) {
    if (!deviceName.trimmed().isEmpty())
        return deviceName.trimmed();
    return FromNumber(number);
}

} // namespace zr40
