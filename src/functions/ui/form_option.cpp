#include "functions/ui/form_option.h"

namespace zr40 {

FormOption::FormOption(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::OptionOpen, parent) {}

QString FormOption::Caption() const {
    return codeplug().IsEnglish ? QStringLiteral("Function Setup") : QStringLiteral("功能设定");
}

void FormOption::AnalyseOption() {}

} // namespace zr40
