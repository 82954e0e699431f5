#pragma once

#include "codeplug/codeplug.h"

#include <QDialog>

namespace zr40 {

// The channel edit dialog: every field of one channel, with a selector for the channel shown.
// Not modal; the channel grid opens and owns it, and the two keep each other current.
class FormChannelEdit : public QDialog {
    Q_OBJECT
public:
    explicit FormChannelEdit(Codeplug& codeplug, QWidget* parent = nullptr);
    ~FormChannelEdit() override;

    QString HelpTopic() const { return QStringLiteral("chEdit.htm"); }

    // Loads channel GridEditRow into the controls.
    void AnalyseOneChannel();

private:
    Codeplug& codeplug_;
};

} // namespace zr40
