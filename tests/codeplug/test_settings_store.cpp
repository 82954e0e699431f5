#include "codeplug/settings_store.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace zr40;

// Every test works in a temporary configuration folder, never in the user's own settings.
class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;

private slots:
    void initTestCase() {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    }

    void firstRunThenWriteAndRead() {
        SettingsStore store;
        Codeplug cp;
        cp.IsEnglish = true;
        cp.ComPortNumber = 7;
        store.Load(cp);
        QVERIFY(!cp.IsEnglish); // nothing saved yet: Chinese, port 1
        QCOMPARE(cp.ComPortNumber, 1);
        QVERIFY(!store.ServiceMode());
        QVERIFY(store.WriteText(QStringLiteral("Language"), QStringLiteral("True")));
        QVERIFY(QFile::exists(configHome.filePath(QStringLiteral("NQ/ZR40.ini"))));
        // A number, a device name kept as it is, a COM name that also gives its number.
        const std::tuple<const char*, const char*, int> ports[] = {
            {"3", "", 3}, {"/dev/ttyUSB0", "/dev/ttyUSB0", 1}, {"COM4", "COM4", 4}};
        for (const auto& [saved, name, number] : ports) {
            QVERIFY(store.WriteText(QStringLiteral("ComPort"), QLatin1String(saved)));
            SettingsStore().Load(cp);
            QVERIFY(cp.IsEnglish);
            QCOMPARE(cp.ComPortNumber, number);
            if (*name)
                QCOMPARE(cp.ComPortName, QLatin1String(name));
        }
    }

    void unwritableStoreReportsFailure() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        const QString folder = configHome.filePath(QStringLiteral("NQ"));
        QDir().mkpath(folder);
        QFile::remove(configHome.filePath(QStringLiteral("NQ/ZR40.ini")));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written =
            SettingsStore().WriteText(QStringLiteral("Language"), QStringLiteral("True"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QVERIFY(!written);
    }

    // What the settings file may hold: only "True" is English; the port is the leading number;
    // service mode is "True" in any case or "1".
    void parsing() {
        for (const auto& [text, english, port, service] : {std::tuple{"True", true, 1, true},
                                                           {"true", false, 1, true},
                                                           {"True ", false, 1, true},
                                                           {"", false, 1, false},
                                                           {"1", false, 1, true},
                                                           {"yes", false, 1, false},
                                                           {"3abc", false, 3, false},
                                                           {"  5", false, 5, false},
                                                           {"99999999999", false, 1, false}})
            QCOMPARE(std::tuple(SettingsStore::IsEnglishFrom(text),
                                SettingsStore::ComPortNumberFrom(text),
                                SettingsStore::ServiceModeFrom(text)),
                     std::tuple(english, port, service));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
