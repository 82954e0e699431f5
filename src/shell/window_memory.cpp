#include "shell/window_memory.h"

#include "codeplug/settings_store.h"

#include <QWidget>

namespace zr40 {

namespace {

const QString kGeometry = QStringLiteral("MainWindow/Geometry");
const QString kTreeWidth = QStringLiteral("MainWindow/TreeWidth");

} // namespace

void WindowMemory::Keep(const QWidget& window, int treeWidthTwips) {
    SettingsStore settings;
    settings.WriteValue(kGeometry, window.saveGeometry());
    settings.WriteValue(kTreeWidth, treeWidthTwips);
}

bool WindowMemory::Restore(QWidget& window) {
    const QByteArray kept = SettingsStore().ReadValue(kGeometry).toByteArray();
    return !kept.isEmpty() && window.restoreGeometry(kept);
}

std::optional<int> WindowMemory::TreeWidthTwips() {
    bool ok = false;
    const int twips = SettingsStore().ReadValue(kTreeWidth).toInt(&ok);
    return ok ? std::optional<int>(twips) : std::nullopt;
}

} // namespace zr40
