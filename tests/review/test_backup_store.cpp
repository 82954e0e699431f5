#include "codeplug/radio_data_file.h"
#include "review/backup_store.h"
#include "review_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>
#include <vector>

using namespace zr40;
using namespace zr40::test;

namespace {

QDateTime At(const char* text) {
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

} // namespace

class TestBackupStore : public QObject {
    Q_OBJECT

private slots:
    void savesTheFileByTimeAndKind() {
        QTemporaryDir dir;
        const BackupStore store(dir.filePath("deep/backups"));
        const Codeplug plan = SampleCodeplug();
        const BackupResult read = store.Save(plan, BackupKind::Read, At("2026-12-06T14:30:12"));
        QVERIFY(read.ok());
        QCOMPARE(QFileInfo(read.path).fileName(), QStringLiteral("2026-12-06_143012_read.rdat"));
        QCOMPARE(Bytes(read.path), RadioDataFile::Serialize(plan));
        // A second backup in the same second is kept beside the first.
        const BackupResult again =
            store.Save(NewPlan(), BackupKind::BeforeWrite, At("2026-12-06T14:30:12"));
        const BackupResult third =
            store.Save(NewPlan(), BackupKind::BeforeWrite, At("2026-12-06T14:30:12"));
        QCOMPARE(QFileInfo(again.path).fileName(),
                 QStringLiteral("2026-12-06_143012_before-write.rdat"));
        QCOMPARE(QFileInfo(third.path).fileName(),
                 QStringLiteral("2026-12-06_143012-2_before-write.rdat"));
        QCOMPARE(Bytes(read.path), RadioDataFile::Serialize(plan));
    }

    void listsNewestFirstWithTheirChannels() {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        store.Save(SampleCodeplug(), BackupKind::Read, At("2025-01-02T03:04:05"));
        store.Save(NewPlan(), BackupKind::BeforeWrite, At("2026-03-04T05:06:07"));
        QVERIFY(Touch(dir.filePath("plan.rdat")));                   // not a backup
        QVERIFY(Touch(dir.filePath("2024-01-01_000000_read.rdat"))); // a broken one
        const QList<BackupEntry> entries = store.List();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].taken, At("2026-03-04T05:06:07"));
        QCOMPARE(std::pair(entries[0].kind, entries[1].kind),
                 std::pair(BackupKind::BeforeWrite, BackupKind::Read));
        QCOMPARE(std::tuple(entries[0].channelsInUse, entries[1].channelsInUse,
                            entries[2].channelsInUse),
                 std::tuple(0, 8, -1));
        QVERIFY(BackupStore().List().isEmpty());
    }

    // Pruning goes by name and file time together, keeps the newest 100 whatever their dates,
    // and does nothing while any backup is dated after now (a clock that was or is wrong).
    void pruneKeepsWhatAWrongClockWouldLose_data() {
        QTest::addColumn<int>("recent");     // backups of yesterday, by name and file
        QTest::addColumn<int>("nameDays");   // three more, named this many days ago
        QTest::addColumn<int>("fileDays");   // and written this many days ago
        QTest::addColumn<int>("futureDays"); // one more dated this far ahead (0: none)
        QTest::addColumn<bool>("futureByFile");
        QTest::addColumn<int>("removed");
        QTest::newRow("old beyond the newest") << 100 << 400 << 400 << 0 << false << 3;
        QTest::newRow("old among the newest") << 98 << 400 << 400 << 0 << false << 1;
        QTest::newRow("named old, written lately") << 100 << 400 << 300 << 0 << false << 0;
        QTest::newRow("written old, named lately") << 100 << 300 << 400 << 0 << false << 0;
        QTest::newRow("one named ahead") << 100 << 400 << 400 << 700 << false << 0;
        QTest::newRow("one written ahead") << 100 << 400 << 400 << 700 << true << 0;
    }
    void pruneKeepsWhatAWrongClockWouldLose() {
        QFETCH(int, recent);
        QFETCH(int, nameDays);
        QFETCH(int, fileDays);
        QFETCH(int, futureDays);
        QFETCH(bool, futureByFile);
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const QDateTime now = QDateTime::currentDateTime();
        // One backup named `named` and written at `written`.
        auto put = [&dir](const QDateTime& named, const QDateTime& written, int n) {
            const QString path =
                dir.filePath(QStringLiteral("%1-%2_read.rdat")
                                 .arg(named.toString(QStringLiteral("yyyy-MM-dd_HHmmss")))
                                 .arg(n + 2));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush());
            QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        };
        for (int n = 0; n < recent; ++n)
            put(now.addDays(-1), now.addDays(-1), n);
        for (int n = 0; n < 3; ++n)
            put(now.addDays(-nameDays), now.addDays(-fileDays), n);
        if (futureDays)
            put(futureByFile ? now.addDays(-1) : now.addDays(futureDays),
                futureByFile ? now.addDays(futureDays) : now.addDays(-1), 99);
        QVERIFY(Touch(dir.filePath("2020-01-01_000000_read.rdat.bak"))); // no backup: never touched
        const int before = int(QDir(dir.path()).entryList(QDir::Files).size());
        QTEST(store.Prune(now), "removed");
        QFETCH(int, removed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), before - removed);
        QCOMPARE(store.List().size(), before - 1 - removed); // listing removes nothing
    }

    // Programs saving at once each get a name of their own, holding exactly their codeplug.
    void concurrentSavesKeepEveryBackup() {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const QDateTime taken = At("2026-12-06T14:30:12");
        constexpr int kSavers = 8;
        std::vector<BackupResult> results(kSavers);
        std::vector<std::thread> savers;
        for (int n = 0; n < kSavers; ++n)
            savers.emplace_back([&, n] {
                Codeplug plan = NewPlan();
                plan.LocalID = n;
                results[n] = store.Save(plan, BackupKind::BeforeWrite, taken);
            });
        for (std::thread& saver : savers)
            saver.join();
        QSet<QString> names;
        for (int n = 0; n < kSavers; ++n) {
            QVERIFY2(results[n].ok(), qPrintable(results[n].Message(English())));
            names.insert(results[n].path);
            Codeplug plan = NewPlan();
            plan.LocalID = n;
            QCOMPARE(Bytes(results[n].path), RadioDataFile::Serialize(plan));
        }
        QCOMPARE(names.size(), kSavers);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kSavers);
    }

    // A folder that cannot be made is the transfer window's test; no folder at all is this one.
    void noFolderSaysSo() {
        const BackupResult result = BackupStore().Save(NewPlan(), BackupKind::Read);
        QVERIFY(!result.ok());
        QCOMPARE(result.Message(English()), QStringLiteral("No folder is set for backups."));
    }

    // What List and Prune take for a backup: the name as Save makes it, and a real day.
    void namesThatAreNoBackup() {
        QDateTime taken;
        BackupKind kind;
        QVERIFY(BackupStore::ParseFileName("2026-12-06_143012-3_before-write.rdat", taken, kind));
        const QDateTime at(QDate(2026, 12, 6), QTime(14, 30, 12));
        QVERIFY(BackupStore::ParseFileName(BackupStore::FileName(at, BackupKind::BeforeWrite, 0xA3),
                                           taken, kind));
        QCOMPARE(std::tuple(BackupStore::FileName(at, BackupKind::BeforeWrite, 0xA3), taken, kind),
                 std::tuple(QStringLiteral("2026-12-06_143012_before-write_id-A3.rdat"), at,
                            BackupKind::BeforeWrite));
        for (const char* name :
             {"2026-02-30_143012_read.rdat", "2026-12-06_143012_write.rdat",
              "2026-12-06_143012_read (1).rdat", "2026-12-06_143012_read_id-.rdat"})
            QVERIFY2(!BackupStore::ParseFileName(QLatin1String(name), taken, kind), name);
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "test_backup_store.moc"
