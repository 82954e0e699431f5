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
        QCOMPARE(entries[0].kind, BackupKind::BeforeWrite);
        QCOMPARE(entries[0].channelsInUse, 0);
        QCOMPARE(entries[1].kind, BackupKind::Read);
        QCOMPARE(entries[1].channelsInUse, 8);
        QCOMPARE(entries[2].channelsInUse, -1);
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

    void failedSavesSayWhy_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("english");
        QTest::newRow("no folder") << QString() << "No folder is set for backups.";
        QTest::newRow("folder below a file") << "file/backups"
                                             << "The backup folder %1 cannot be created.";
    }
    void failedSavesSayWhy() {
        QFETCH(QString, folder);
        QFETCH(QString, english);
        QTemporaryDir dir;
        QVERIFY(Touch(dir.filePath("file")));
        const QString path = folder.isEmpty() ? folder : dir.filePath(folder);
        const BackupResult result = BackupStore(path).Save(NewPlan(), BackupKind::Read);
        QVERIFY(!result.ok());
        QCOMPARE(result.Message(English()),
                 english.contains("%1") ? english.arg(QDir::toNativeSeparators(path)) : english);
        QVERIFY(!result.Message(Chinese()).isEmpty());
    }

    void namesThatAreNoBackup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("backup");
        QTest::newRow("read") << "2026-12-06_143012_read.rdat" << true;
        QTest::newRow("second in a second") << "2026-12-06_143012-3_before-write.rdat" << true;
        QTest::newRow("no such day") << "2026-02-30_143012_read.rdat" << false;
        QTest::newRow("other kind") << "2026-12-06_143012_write.rdat" << false;
        QTest::newRow("copy") << "2026-12-06_143012_read (1).rdat" << false;
    }
    void namesThatAreNoBackup() {
        QFETCH(QString, name);
        QDateTime taken;
        BackupKind kind;
        QTEST(BackupStore::ParseFileName(name, taken, kind), "backup");
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "test_backup_store.moc"
