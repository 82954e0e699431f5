#pragma once

#include "channels/channel_rules.h"
#include "codeplug/codeplug.h"
#include "codeplug/edit_step.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zr40 {

struct DialogChannelView;
class KeyFilterEdit;

// The channel edit dialog: every field of one channel, with a selector for the channel shown.
// Not modal; the channel grid opens and owns it. The two keep each other current through the
// codeplug's change flags, polled every 500 ms.
class FormChannelEdit : public QDialog {
    Q_OBJECT
public:
    explicit FormChannelEdit(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormChannelEdit() override;

    QString HelpTopic() const { return QStringLiteral("chEdit.htm"); }
    QString Caption() const;

    // Loads channel GridEditRow into the controls.
    void AnalyseOneChannel();
    // The 500 ms poll: reloads when the grid changed channel data.
    void Timer1_Timer();
    // Commits a text box the user typed into and has not left yet.
    void FreshData();
    void ShowHelp();
    // The channel (0-based) the controls show and the handlers write to.
    int ShownChannel() const { return shownChannel_; }
    QTimer* timer() const { return timer1_; }

    // Field handlers, as the controls call them.
    void ComboChannel_Click(int index);
    void TextRxFreq_Commit();
    void TextTxFreq_Commit();
    void ComboTone_Click(FrequencySide side, int index);
    void ComboList_Click(QComboBox* combo, int index);
    void CheckKey_Click(FrequencySide side, bool ticked);
    void TextKey_Commit(FrequencySide side);
    void ComboCallType_Click(int index);
    void TextTxID_Commit();

public slots:
    void reject() override;

signals:
    // The dialog changed the codeplug; the step names the field and the channel.
    void edited(const zr40::EditStep& step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void LayOut();
    void ConnectHandlers();
    void FillCaptionsAndLists();
    QComboBox* AddCombo(const QString& name);
    KeyFilterEdit* AddText(const QString& name, int kind);
    QStringList ItemsOf(const QComboBox* combo) const;
    void Refill(QComboBox* combo);
    void Clear(QComboBox* combo);
    void ShowEmptyChannel();
    void ShowReceiveSide(const DialogChannelView& view);
    void ShowTransmitSide(const DialogChannelView& view);
    void ShowNoTransmitSide();
    void ShowCallType(const CallTypeView& view);
    void ShowOutOfRange();
    // A field was stored: `field` is the caption entry naming it in the Edit menu.
    void Changed(bool channelData, const char* field);
    void CommitFrequency(KeyFilterEdit* box, bool enter);
    void CommitText(KeyFilterEdit* box, bool enter);

    Codeplug& codeplug_;
    bool loading_ = false;
    bool committing_ = false;
    int shownChannel_ = 0;

    QComboBox* comboChannel_ = nullptr;
    KeyFilterEdit* textRxFreq_ = nullptr;
    KeyFilterEdit* textTxFreq_ = nullptr;
    QComboBox* comboDecode_ = nullptr;
    QComboBox* comboEncode_ = nullptr;
    QComboBox* comboTxPower_ = nullptr;
    QComboBox* comboSpace_ = nullptr;
    QComboBox* comboSql_ = nullptr;
    QComboBox* comboDenoise_ = nullptr;
    QComboBox* comboTxAuthority_ = nullptr;
    QComboBox* comboRxList_ = nullptr;
    QCheckBox* checkRxKey_ = nullptr;
    KeyFilterEdit* textRxKey_ = nullptr;
    QCheckBox* checkTxKey_ = nullptr;
    KeyFilterEdit* textTxKey_ = nullptr;
    QComboBox* comboCallType_ = nullptr;
    KeyFilterEdit* textTxID_ = nullptr;
    QLabel* labelIDRange_ = nullptr;
    QPushButton* commandClose_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace zr40
