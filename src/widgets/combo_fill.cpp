#include "widgets/combo_fill.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace zr40 {

void ComboFill::Append(QComboBox& combo, const QStringList& items) {
    combo.addItems(items);
}

void ComboFill::Replace(QComboBox& combo, const QStringList& items) {
    const QSignalBlocker quiet(combo);
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(-1);
}

} // namespace zr40
