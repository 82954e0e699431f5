#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zr40 {

// The channel copy dialog: copies the channel the grid's current row shows onto a channel
// picked from the list. Modal; it stays open after a copy so one channel can be copied onto
// several others.
class FormChannelCopy : public QDialog {
    Q_OBJECT
public:
    FormChannelCopy(Codeplug& codeplug, int source, QWidget* parent = nullptr);

    QString HelpTopic() const { return QStringLiteral("chcopy.htm"); }
    int CopySource() const { return copySource_; }
    int CopyTarget() const { return copyTarget_; }

    void ComboChannelTo_Click(int index);
    void CommandCopy_Click();
    void CommandHelp_Click();

signals:
    // A copy changed the codeplug.
    void copied(int source, int target);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillCaptions();

    Codeplug& codeplug_;
    int copySource_;
    int copyTarget_;
    QLabel* labelChannelCopy_;
    QLineEdit* textSource_;
    QComboBox* comboChannelTo_;
    QPushButton* commandCopy_;
    QPushButton* commandCancel_;
    QPushButton* commandHelp_;
};

} // namespace zr40
