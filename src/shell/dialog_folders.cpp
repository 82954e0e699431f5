#include "shell/dialog_folders.h"

#include "codeplug/settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace zr40 {

namespace {

QString Key(const char* kind) {
    return QStringLiteral("Folders/") + QLatin1String(kind);
}

} // namespace

QString DialogFolders::Proposed(const char* kind, const QString& name) {
    if (name.contains(QLatin1Char('/')) || name.contains(QDir::separator()))
        return name;
    const QString folder = SettingsStore().ReadText(Key(kind));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return name;
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void DialogFolders::Remember(const char* kind, const QString& path) {
    if (path.isEmpty())
        return;
    // Not being able to keep it only means the next dialog opens elsewhere.
    SettingsStore().WriteText(Key(kind), QFileInfo(path).absolutePath());
}

} // namespace zr40
