#pragma once

#include "shell/config_page.h"

namespace zr40 {

// The function setup page: radio-wide settings (local ID, voice prompt, TOT, VOX, save mode and
// the side-key functions).
class FormOption : public ConfigPage {
    Q_OBJECT
public:
    explicit FormOption(Codeplug& codeplug, QWidget* parent = nullptr);

    int CommandNumber() const override { return 1001; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("optfeatures.htm"); }
    void Analyse() override { AnalyseOption(); }

    // Loads every shown control from the codeplug, repairing stored values out of range.
    void AnalyseOption();
};

} // namespace zr40
