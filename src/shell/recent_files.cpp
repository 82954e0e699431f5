#include "shell/recent_files.h"

#include "codeplug/settings_store.h"

#include <QFileInfo>

namespace zr40 {

namespace {

const QString kKey = QStringLiteral("RecentFiles");

void Keep(QStringList files) {
    files.removeAll(QString());
    files.removeDuplicates();
    SettingsStore().WriteValue(kKey, files.mid(0, RecentFiles::kMost));
}

} // namespace

QStringList RecentFiles::List() {
    const QVariant value = SettingsStore().ReadValue(kKey);
    QStringList files = value.toStringList();
    files.removeAll(QString());
    return files.mid(0, kMost);
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = List();
    files.removeAll(absolute);
    files.prepend(absolute);
    Keep(files);
}

void RecentFiles::Remove(const QString& path) {
    QStringList files = List();
    files.removeAll(path);
    Keep(files);
}

} // namespace zr40
