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

    void init() {
        QDir(configHome.path()).removeRecursively();
        QDir().mkpath(configHome.path());
    }

    void firstRunIsChinesePortOne() {
        SettingsStore store;
        QCOMPARE(store.ReadText(QStringLiteral("Language")), QString());
        Codeplug cp;
        cp.IsEnglish = true;
        cp.ComPortNumber = 7;
        store.Load(cp);
        QVERIFY(!cp.IsEnglish);
        QCOMPARE(cp.ComPortNumber, 1);
        QVERIFY(cp.ComPortName.isEmpty());
        QVERIFY(!store.ServiceMode());
    }

    void writeThenRead() {
        SettingsStore store;
        QVERIFY(store.WriteText(QStringLiteral("Language"), QStringLiteral("True")));
        QVERIFY(store.WriteText(QStringLiteral("ComPort"), QStringLiteral("3")));
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("ComPort")), QStringLiteral("3"));
        Codeplug cp;
        store.Load(cp);
        QVERIFY(cp.IsEnglish);
        QCOMPARE(cp.ComPortNumber, 3);
        QVERIFY(QFile::exists(configHome.filePath(QStringLiteral("NQ/ZR40.ini"))));
        // A device name is kept as it is; a COM name also gives its number.
        QVERIFY(store.WriteText(QStringLiteral("ComPort"), QStringLiteral("/dev/ttyUSB0")));
        store.Load(cp);
        QCOMPARE(cp.ComPortName, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(cp.ComPortNumber, 1);
        QVERIFY(store.WriteText(QStringLiteral("ComPort"), QStringLiteral("COM4")));
        store.Load(cp);
        QCOMPARE(cp.ComPortName, QStringLiteral("COM4"));
        QCOMPARE(cp.ComPortNumber, 4);
    }

    void unwritableStoreReportsFailure() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QDir().mkpath(configHome.filePath(QStringLiteral("NQ")));
        QFile::setPermissions(configHome.filePath(QStringLiteral("NQ")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        SettingsStore store;
        const bool written = store.WriteText(QStringLiteral("Language"), QStringLiteral("True"));
        QFile::setPermissions(configHome.filePath(QStringLiteral("NQ")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        QVERIFY(!written);
    }

    // What the settings file may hold: only "True" is English; the port is the leading number.
    void parsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("service");
        QTest::newRow("True") << "True" << true << 1 << true;
        QTest::newRow("true") << "true" << false << 1 << true;
        QTest::newRow("True ") << "True " << false << 1 << true;
        QTest::newRow("empty") << "" << false << 1 << false;
        QTest::newRow("1") << "1" << false << 1 << true;
        QTest::newRow("yes") << "yes" << false << 1 << false;
        QTest::newRow("3abc") << "3abc" << false << 3 << false;
        QTest::newRow("leading blanks") << "  5" << false << 5 << false;
        QTest::newRow("too big") << "99999999999" << false << 1 << false;
    }

    void parsing() {
        QFETCH(QString, text);
        QFETCH(bool, english);
        QFETCH(int, port);
        QFETCH(bool, service);
        QCOMPARE(SettingsStore::IsEnglishFrom(text), english);
        QCOMPARE(SettingsStore::ComPortNumberFrom(text), port);
        QCOMPARE(SettingsStore::ServiceModeFrom(text), service);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
