#pragma once

#include "widgets/config_page.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace zr40 {

// The embedded message page: the radio's two-line power-on message, 32 characters a line, as
// bytes of the model image. Both lines are stored together whenever either is left.
class FormEmbedMessage : public ConfigPage {
    Q_OBJECT
public:
    explicit FormEmbedMessage(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormEmbedMessage() override;

    int CommandNumber() const override { return 1004; }
    QString Caption() const override;
    QString HelpTopic() const override { return QStringLiteral("embmsg.htm"); }
    void Analyse() override { AnalyseEmbeddedInformation(); }
    void FreshData() override { FreshEmbeddedInformation(); }

    void AnalyseEmbeddedInformation();
    void FreshEmbeddedInformation();

    QLineEdit* line(int index) const { return textEmbedMessage_.at(index); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FillCaptions();
    void EnterPressed(int index);

    std::array<QLineEdit*, 2> textEmbedMessage_{};
    QPushButton* commandClose_ = nullptr;
};

} // namespace zr40
