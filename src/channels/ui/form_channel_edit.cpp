#include "channels/ui/form_channel_edit.h"

namespace zr40 {

FormChannelEdit::FormChannelEdit(Codeplug& codeplug, QWidget* parent)
    : QDialog(parent), codeplug_(codeplug) {
    codeplug_.ChannelEditOpen = true;
}

FormChannelEdit::~FormChannelEdit() {
    codeplug_.ChannelEditOpen = false;
}

void FormChannelEdit::AnalyseOneChannel() {}

} // namespace zr40
