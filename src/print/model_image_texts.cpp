#include "print/model_image_texts.h"

namespace zr40 {

namespace {

const TextPair kKeyFunctions[] = {
    {"None", "无"},         {"Monitor", "监听"}, {"Scan", "扫描"},
    {"Scramble", "扰频器"}, {"Alarm", "报警"},
};

} // namespace

QList<QPair<QString, QString>> ModelImageTexts::KeySettingRows(const Codeplug& cp,
                                                               const TextContext& ctx) {
    QList<QPair<QString, QString>> rows;
    for (int key = 0; key < 2; ++key) {
        const int code = cp.RadioImage[kKeySettingOffset + key];
        const int shown = code < static_cast<int>(std::size(kKeyFunctions)) ? code : 0;
        rows.append({QStringLiteral("PF%1").arg(key + 1), ctx.Pick(kKeyFunctions[shown])});
    }
    return rows;
}

QStringList ModelImageTexts::MessageLines(const Codeplug& cp) {
    QStringList lines;
    for (int line = 0; line < 2; ++line) {
        QString text;
        for (int k = 0; k < kMessageLineLength; ++k) {
            const int byte = cp.RadioImage[kMessageOffset + line * kMessageLineLength + k];
            if (byte >= 20 && byte < 127)
                text += QChar(byte);
        }
        lines << text;
    }
    return lines;
}

} // namespace zr40
