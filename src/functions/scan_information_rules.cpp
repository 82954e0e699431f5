#include "functions/scan_information_rules.h"

#include "channels/image_channel_layout.h"

#include <iterator>

namespace zr40 {

namespace {

constexpr const char* kPriorityItems[] = {QT_TRANSLATE_NOOP("ScanInformationRules", "None"),
                                          QT_TRANSLATE_NOOP("ScanInformationRules", "Fixd"),
                                          QT_TRANSLATE_NOOP("ScanInformationRules", "Selected")};

constexpr const char* kRevertItems[] = {
    QT_TRANSLATE_NOOP("ScanInformationRules", "Selected"),
    QT_TRANSLATE_NOOP("ScanInformationRules", "Selected+Talk Back"),
    QT_TRANSLATE_NOOP("ScanInformationRules", "Priority"),
    QT_TRANSLATE_NOOP("ScanInformationRules", "Priority+Talk Back"),
};

constexpr int kRevertWithoutPriority = 2;
constexpr int kRevertWithPriority = 4;
constexpr int kTimeLowest = 10;
constexpr int kTimeStep = 5;
constexpr int kTimeHighest = 50;

bool ValidTimePosition(int position) {
    return position >= 0 && position < ScanInformationRules::kTimeItems;
}

bool ValidRow(int row) {
    return row == 0 || row == 1;
}

} // namespace

QStringList ScanInformationRules::PriorityItems(const TextContext& ctx) {
    QStringList items;
    for (const char* item : kPriorityItems)
        items << ctx.Tr("ScanInformationRules", item);
    return items;
}

QStringList ScanInformationRules::RevertItems(const TextContext& ctx) {
    QStringList items;
    for (const char* item : kRevertItems)
        items << ctx.Tr("ScanInformationRules", item);
    return items;
}

QStringList ScanInformationRules::TimeItems(const TextContext& ctx) {
    QStringList items;
    for (int p = 0; p < kTimeItems; ++p) {
        const int tenths = TimeValue(p);
        items << QString::number(tenths / 10) + ctx.DecimalSeparator + QString::number(tenths % 10);
    }
    return items;
}

int ScanInformationRules::TimePosition(std::uint8_t tenths) {
    if (tenths < kTimeLowest || tenths > kTimeHighest || tenths % kTimeStep != 0)
        return 0;
    return (tenths - kTimeLowest) / kTimeStep;
}

std::uint8_t ScanInformationRules::TimeValue(int position) {
    return static_cast<std::uint8_t>(kTimeStep * position + kTimeLowest);
}

ScanModeView ScanInformationRules::ModeOf(std::uint8_t priorityByte) {
    ScanModeView view;
    view.priority = priorityByte == 1 || priorityByte == 2 ? priorityByte : 0;
    view.lookBackEnabled = view.priority != 0;
    view.priorityChannelsEnabled = view.priority == 1;
    view.revertItems = view.priority != 0 ? kRevertWithPriority : kRevertWithoutPriority;
    return view;
}

int ScanInformationRules::RevertPosition(std::uint8_t revertByte, int items) {
    return revertByte >= items ? 1 : revertByte;
}

int ScanInformationRules::RevertSelectionAfter(int position, int items) {
    return position < items ? position : -1;
}

ScanGroupChannels ScanInformationRules::LoadGroup(Image& image, int group) {
    ScanGroupChannels list;
    if (group < 0 || group >= kGroups)
        return list;
    for (int c = 0; c < kGroupChannels; ++c) {
        if (ImageChannelLayout::Present(image, group * kGroupChannels + c))
            list.numbers << c + 1;
    }
    if (list.numbers.isEmpty())
        return list;
    std::uint8_t& stored = image[kPriorityChannelByte + group];
    list.selected = qMax(0, static_cast<int>(list.numbers.indexOf(stored)));
    stored = static_cast<std::uint8_t>(list.numbers.at(list.selected));
    return list;
}

ScanView ScanInformationRules::AnalyseScanInformation(Image& image) {
    ScanView view;
    view.mode = ModeOf(image[kPriorityByte]);
    for (int row = 0; row < 2; ++row) {
        view.lookBack[row] = TimePosition(image[kLookBackByte + row]);
        view.delay[row] = TimePosition(image[kDelayByte + row]);
    }
    view.revert = RevertPosition(image[kRevertByte], view.mode.revertItems);
    for (int g = 0; g < kGroups; ++g)
        view.groups[g] = LoadGroup(image, g);
    return view;
}

ScanModeView ScanInformationRules::SelectPriority(Image& image, int position) {
    if (position >= 0 && position < static_cast<int>(std::size(kPriorityItems)))
        image[kPriorityByte] = static_cast<std::uint8_t>(position);
    return ModeOf(image[kPriorityByte]);
}

bool ScanInformationRules::SelectLookBack(Image& image, int row, int position) {
    if (!ValidRow(row) || !ValidTimePosition(position))
        return false;
    image[kLookBackByte + row] = TimeValue(position);
    return true;
}

bool ScanInformationRules::SelectDelay(Image& image, int row, int position) {
    if (!ValidRow(row) || !ValidTimePosition(position))
        return false;
    image[kDelayByte + row] = TimeValue(position);
    return true;
}

bool ScanInformationRules::SelectRevert(Image& image, int position) {
    if (position < 0 || position >= kRevertWithPriority)
        return false;
    image[kRevertByte] = static_cast<std::uint8_t>(position);
    return true;
}

bool ScanInformationRules::SelectPriorityChannel(Image& image, int group, int channelNumber) {
    if (group < 0 || group >= kGroups || channelNumber < 1 || channelNumber > kGroupChannels)
        return false;
    image[kPriorityChannelByte + group] = static_cast<std::uint8_t>(channelNumber);
    return true;
}

} // namespace zr40
