#pragma once

#include "shell/config_page.h"

namespace zr40 {

// The channel grid page: all 32 channels, one per row, with the main fields edited in the cells.
class FormChannelInformation : public ConfigPage {
    Q_OBJECT
public:
    explicit FormChannelInformation(Codeplug& codeplug, QWidget* parent = nullptr);

    int CommandNumber() const override { return 1000; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("chinfo.htm"); }
    void Analyse() override { AnalyseChannelInformation(); }
    void FreshData() override;

    // Refills every row from the channel tables.
    void AnalyseChannelInformation();
};

} // namespace zr40
