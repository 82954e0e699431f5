#include "channels/ui/form_rx_list.h"

namespace zr40 {

FormRxList::FormRxList(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::RxListOpen, parent) {}

QString FormRxList::Caption() const {
    return codeplug().IsEnglish ? QStringLiteral("Rx List") : QStringLiteral("接收列表");
}

void FormRxList::AnalyseRxList() {}

} // namespace zr40
