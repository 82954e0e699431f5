#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace zr40 {

// The key setting and embedded message bytes of the model image as the printed plan shows them.
// Reading only: a byte the pages would repair on load is shown as they would show it, and the
// image stays as it is.
class ModelImageTexts {
public:
    static constexpr int kKeySettingOffset = 306; // PF1, then PF2
    static constexpr int kMessageOffset = 768;    // two lines of 32 bytes
    static constexpr int kMessageLineLength = 32;

    // "PF1" and "PF2" with the function of each key.
    static QList<QPair<QString, QString>> KeySettingRows(const Codeplug& codeplug,
                                                         const TextContext& ctx);
    // The two message lines; bytes that are no printable character are left out.
    static QStringList MessageLines(const Codeplug& codeplug);
};

} // namespace zr40
