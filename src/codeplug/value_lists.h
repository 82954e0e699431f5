#pragma once

#include "codeplug/text_context.h"

#include <QStringList>

namespace zr40 {

// The program's fixed drop-down vocabularies. Each filler appends to the list and never clears
// it; the item's position is what the pages convert to and from the stored value.
class ValueLists {
public:
    static void FillToneList(QStringList& items, const TextContext& ctx); // 279 items
    static void FillBusyLockList(QStringList& items, const TextContext& ctx);
    static void FillSpaceList(QStringList& items, const TextContext& ctx);
    static void FillCallTypeList(QStringList& items, const TextContext& ctx);
    static void FillPowerList(QStringList& items, const TextContext& ctx);
    static void FillChannelTypeList(QStringList& items, const TextContext& ctx);
    static void FillColorCodeList(QStringList& items, const TextContext& ctx);
    static void FillTotList(QStringList& items, const TextContext& ctx);
    static void FillScrambleList(QStringList& items, const TextContext& ctx);
    static void FillOffNumberList(QStringList& items, int n, const TextContext& ctx);
    static void FillTxAuthorityList(QStringList& items, const TextContext& ctx);
    static void FillNumberList(QStringList& items, int n, bool withZero);

    // Text of one tone list item (0 "None", 1..50 CTCSS, 51..164 DCS N, 165..278 DCS I).
    static QString ToneItem(int index, const TextContext& ctx);
};

} // namespace zr40
