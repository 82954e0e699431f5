#pragma once

#include "channels/batch_channel_edit.h"
#include "codeplug/codeplug.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace zr40 {

class KeyFilterEdit;

// The batch channel editor: fills a range of channels in one step with stepped frequencies and
// tones and common settings. Two panels share the dialog: the field editors, and the "Set" boxes
// that choose which fields Apply writes. The dialog only gathers the choices; BatchChannelEdit
// applies them.
class FormBatchChannelEdit : public QDialog {
    Q_OBJECT
public:
    explicit FormBatchChannelEdit(Codeplug& codeplug, QWidget* parent = nullptr);

    QString HelpTopic() const { return QStringLiteral("chbatch.htm"); }

    // The choices as the controls hold them, field rules applied.
    BatchChannelChoice Choice();
    bool SettingPanelShown() const;

    void CommandApply_Click();
    void CommandEdit_Click();
    void SelectAllSetBoxes(bool ticked);
    // Runs the rule of every text field, as leaving each of them would.
    void FreshData();

signals:
    // Apply changed the codeplug.
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct StepControls {
        QLabel* label = nullptr;
        KeyFilterEdit* step = nullptr;
        QRadioButton* up = nullptr;
        QRadioButton* down = nullptr;
    };
    struct ToneControls {
        QGroupBox* frame = nullptr;
        QLabel* labelStart = nullptr;
        QComboBox* start = nullptr;
        StepControls step;
        QCheckBox* random = nullptr;
    };
    struct SetBox {
        QCheckBox* box;
        QList<QWidget*> editors; // shown while the box is ticked
    };

    void BuildAreaControls();
    QWidget* BuildEditPanel();
    QGroupBox* BuildRxFrame();
    QGroupBox* BuildTxFrame();
    QGroupBox* BuildToneFrame(ToneControls& tone, const QString& prefix);
    QWidget* BuildCommonControls();
    QWidget* BuildSettingPanel();
    void BuildButtons();
    StepControls MakeStep(const QString& prefix, const QString& labelName, int kind);
    KeyFilterEdit* MakeText(const QString& name, int kind, int characters);
    void FillCaptionsAndLists();
    void Opening();
    void ConnectRules();
    void UpdateEnabling();
    void Commit(KeyFilterEdit* box);
    BatchTone ToneChoice(const ToneControls& tone) const;
    void ShowClamped(int channels);

    Codeplug& codeplug_;

    QLabel* labelArea_ = nullptr;
    QRadioButton* optionAll_ = nullptr;
    QRadioButton* optionRange_ = nullptr;
    KeyFilterEdit* textStartChannel_ = nullptr;
    KeyFilterEdit* textEndChannel_ = nullptr;
    QCheckBox* checkOption_ = nullptr;
    QLabel* labelNote_ = nullptr;

    QStackedWidget* panels_ = nullptr;
    QGroupBox* frameRx_ = nullptr;
    QLabel* labelRxStartFreq_ = nullptr;
    KeyFilterEdit* textRxStartFreq_ = nullptr;
    StepControls rxStep_;

    QGroupBox* frameTx_ = nullptr;
    QRadioButton* optionTxDefault_ = nullptr;
    QRadioButton* optionTxOffset_ = nullptr;
    KeyFilterEdit* textTxOffset_ = nullptr;
    QRadioButton* optionPlus_ = nullptr;
    QRadioButton* optionMinus_ = nullptr;
    QRadioButton* optionTxStartFreq_ = nullptr;
    KeyFilterEdit* textTxStartFreq_ = nullptr;
    StepControls txStep_;

    ToneControls decode_;
    ToneControls encode_;
    QCheckBox* checkEncodeDefault_ = nullptr;

    QLabel* labelTxPower_ = nullptr;
    QComboBox* comboTxPower_ = nullptr;
    QLabel* labelSpace_ = nullptr;
    QComboBox* comboSpace_ = nullptr;
    QLabel* labelBusyLock_ = nullptr;
    QComboBox* comboBusyLock_ = nullptr;
    QCheckBox* checkScanAdd_ = nullptr;
    QCheckBox* checkReverse_ = nullptr;
    QCheckBox* checkTalkAround_ = nullptr;

    QList<SetBox> setBoxes_;
    QPushButton* commandSelectAll_ = nullptr;
    QPushButton* commandSelectNone_ = nullptr;
    QPushButton* commandEdit_ = nullptr;
    QPushButton* commandApply_ = nullptr;
    QPushButton* commandClose_ = nullptr;
};

} // namespace zr40
