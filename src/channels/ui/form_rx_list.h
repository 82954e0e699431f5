#pragma once

#include "shell/config_page.h"

namespace zr40 {

// The receive-list page: eight lists of eight group IDs a digital channel listens to.
class FormRxList : public ConfigPage {
    Q_OBJECT
public:
    explicit FormRxList(Codeplug& codeplug, QWidget* parent = nullptr);

    int CommandNumber() const override { return 1006; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("rxlist.htm"); }
    void Analyse() override { AnalyseRxList(); }

    // Shows the current list; entries that are no group ID are emptied.
    void AnalyseRxList();
};

} // namespace zr40
