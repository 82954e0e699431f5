#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QList>
#include <QStringList>
#include <array>

namespace zr40 {

// What the priority mode turns on: the look-back lists, the priority-channel lists and how many
// revert items the revert list offers (the two priority items only when there is a priority).
struct ScanModeView {
    int priority = 0; // position in the priority list: 0 none, 1 fixed, 2 selected
    bool lookBackEnabled = false;
    bool priorityChannelsEnabled = false;
    int revertItems = 2;
};

// The priority-channel list of one channel group: the numbers (1..16) of the channels present.
struct ScanGroupChannels {
    QList<int> numbers;
    int selected = -1; // item position; -1 when the group has no channel
};

// Every list of the scan page as the page loads it.
struct ScanView {
    ScanModeView mode;
    std::array<int, 2> lookBack{}; // positions in the time list (A, B)
    std::array<int, 2> delay{};    // dropout delay, transmit dwell
    int revert = 0;
    std::array<ScanGroupChannels, 8> groups{};
};

// The radio's scan behaviour as single bytes of the model image: priority mode (288), look-back
// times A and B (290, 291), revert channel (292), dropout delay (293), transmit dwell (294), and
// a priority channel per channel group (312..319), chosen among the group's present channels.
class ScanInformationRules {
public:
    using Image = decltype(Codeplug::RadioImage);

    static constexpr int kPriorityByte = 288;
    static constexpr int kLookBackByte = 290; // + row
    static constexpr int kRevertByte = 292;
    static constexpr int kDelayByte = 293;           // + row
    static constexpr int kPriorityChannelByte = 312; // + group
    static constexpr int kGroups = 8;
    static constexpr int kGroupChannels = 16;
    static constexpr int kTimeItems = 9;

    // "None", "Fixd", "Selected".
    static QStringList PriorityItems(const TextContext& ctx);
    // All four revert items; the list shows the first ScanModeView::revertItems of them.
    static QStringList RevertItems(const TextContext& ctx);
    // "1.0", "1.5", ... "5.0" seconds, with the separator in use.
    static QStringList TimeItems(const TextContext& ctx);

    // Tenths of a second 10..50 in steps of 5 -> position 0..8; anything else shows position 0.
    static int TimePosition(std::uint8_t tenths);
    static std::uint8_t TimeValue(int position);

    static ScanModeView ModeOf(std::uint8_t priorityByte);
    // The revert position shown for a stored byte when the list holds `items` items.
    static int RevertPosition(std::uint8_t revertByte, int items);
    // The revert selection that stays after the list changed to `items` items: none (-1) when
    // the selected item went away.
    static int RevertSelectionAfter(int position, int items);

    // The present channels of a group; the stored priority channel is selected, or, when it is
    // not present, the first one, which is then stored. An empty group leaves its byte alone.
    static ScanGroupChannels LoadGroup(Image& image, int group);
    static ScanView AnalyseScanInformation(Image& image);

    // Clicks. Each stores its byte; an invalid position stores nothing.
    static ScanModeView SelectPriority(Image& image, int position);
    static bool SelectLookBack(Image& image, int row, int position);
    static bool SelectDelay(Image& image, int row, int position);
    static bool SelectRevert(Image& image, int position);
    static bool SelectPriorityChannel(Image& image, int group, int channelNumber);
};

} // namespace zr40
