#include "channels/ui/form_channel_information.h"

namespace zr40 {

FormChannelInformation::FormChannelInformation(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::ChannelInfoOpen, parent) {}

QString FormChannelInformation::Caption() const {
    return codeplug().IsEnglish ? QStringLiteral("Channel Information")
                                : QStringLiteral("信道信息");
}

void FormChannelInformation::FreshData() {}

void FormChannelInformation::AnalyseChannelInformation() {}

} // namespace zr40
