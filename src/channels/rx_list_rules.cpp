#include "channels/rx_list_rules.h"

namespace zr40 {

namespace {

constexpr Long kGroupFlag = 0x800000;
constexpr Long kAllCall = 0xFFFFFF;

} // namespace

bool RxListRules::IsValidEntry(Long value) {
    return value >= kGroupFlag && value < kAllCall;
}

QString RxListRules::EntryText(Long value) {
    return IsValidEntry(value) ? QString::number(value, 16).toUpper() : QString();
}

QString RxListRules::ShowEntry(Codeplug& codeplug, int list, int row) {
    Long& entry = codeplug.RxListEntry.at(EntryIndex(list, row));
    if (!IsValidEntry(entry))
        entry = -1;
    return EntryText(entry);
}

RxListEntryEdit RxListRules::EnterEntry(const QString& text) {
    RxListEntryEdit edit;
    if (text.isEmpty())
        return edit;
    bool ok = false;
    const uint typed = text.toUInt(&ok, 16);
    // Only group IDs can be listed: a value that is no 24-bit number, or that is all call
    // (FFFFFF) as typed or once it carries the group flag (7FFFFF), is refused at once instead of
    // being stored behind an empty cell and dropped on the next load.
    if (!ok || typed > 0xFFFFFFu)
        return edit;
    const Long value = static_cast<Long>(typed) | kGroupFlag;
    if (!IsValidEntry(value))
        return edit;
    edit.value = value;
    edit.text = EntryText(value);
    return edit;
}

RxListEntryEdit RxListRules::CommitEntry(Codeplug& codeplug, int list, int row,
                                         const QString& text) {
    const RxListEntryEdit edit = EnterEntry(text);
    codeplug.RxListEntry.at(EntryIndex(list, row)) = edit.value;
    return edit;
}

} // namespace zr40
