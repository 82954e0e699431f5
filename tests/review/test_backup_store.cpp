#include "codeplug/radio_data_file.h"
#include "review/backup_store.h"
#include "review_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

    void pruneRemovesOnlyOldBackups() {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const QDateTime now = At("2026-06-01T12:00:00");
        store.Save(NewPlan(), BackupKind::Read, now.addDays(-366));
        store.Save(NewPlan(), BackupKind::BeforeWrite, now.addDays(-400));
        store.Save(NewPlan(), BackupKind::Read, now.addDays(-364));
        for (const char* other : {"2020-01-01_000000_read.rdat.bak", "2020-01-01_000000_x.rdat",
                                  "old-plan.rdat", "notes.txt"})
            QVERIFY(Touch(dir.filePath(QLatin1String(other))));
        QCOMPARE(store.Prune(now), 2);
        QCOMPARE(store.List().size(), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 5);
        QCOMPARE(store.Prune(now), 0);
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
        for (const char* name : {"2026-02-30_143012_read.rdat", "2026-12-06_143012_write.rdat",
                                 "2026-12-06_143012_read (1).rdat"})
            QVERIFY2(!BackupStore::ParseFileName(QLatin1String(name), taken, kind), name);
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "test_backup_store.moc"
