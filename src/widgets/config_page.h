#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/edit_step.h"
#include "widgets/ui_seam.h"

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace zr40 {

// Base of the configuration pages the main window hosts as child windows (channel grid,
// function setup, receive lists, ...). A page sets its open flag in the codeplug while it exists;
// the main window lists it in the Window menu under CommandNumber() and checks it when active.
class ConfigPage : public QWidget {
    Q_OBJECT
public:
    ConfigPage(Codeplug& codeplug, bool Codeplug::*openFlag, QWidget* parent = nullptr)
        : QWidget(parent), codeplug_(codeplug), openFlag_(openFlag) {
        codeplug_.*openFlag_ = true;
    }
    ~ConfigPage() override {
        // QWidget tears the children down after the page's own part is gone, and a text box
        // losing the focus then still signals; none of that may reach the page any more.
        for (QObject* child : findChildren<QObject*>())
            QObject::disconnect(child, nullptr, this, nullptr);
        codeplug_.*openFlag_ = false;
    }

    // Window-menu command number: 1000 channels, 1001 function setup, ..., 1006 receive lists.
    virtual int CommandNumber() const = 0;
    // Caption in the current language.
    virtual QString Caption() const = 0;
    // Help topic opened by F1 ("chinfo.htm").
    virtual QString HelpTopic() const = 0;
    // Reload every control from the codeplug (AnalyseChannelInformation, AnalyseOption, ...).
    virtual void Analyse() = 0;
    // Commit an edit in progress (the channel grid's in-cell editor); others have none.
    virtual void FreshData() {}
    // The name of what loading the page corrected in the codeplug (values it cannot show are
    // repaired as it opens); the opener records it as one step, so that the change has a cause
    // and can be taken back.
    virtual EditStep OpeningCorrection() const { return {}; }

    Codeplug& codeplug() const { return codeplug_; }

    // Opens the page's help topic in the current language (F1).
    void ShowHelp() { UiSeam::Instance().ShowHelpTopic(this, HelpTopic(), codeplug_.IsEnglish); }

    // The page's Close button: the open flag is cleared at once, then the child window that hosts
    // the page (or the page itself) closes.
    void ClosePage() {
        codeplug_.*openFlag_ = false;
        if (auto* host = qobject_cast<QMdiSubWindow*>(parentWidget()))
            host->close();
        else
            close();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1) {
            ShowHelp();
            return;
        }
        QWidget::keyPressEvent(event);
    }

signals:
    // The page changed the codeplug; the step names the edit for the Edit menu's Undo and Redo
    // (EditStep::ChannelField for a field of one channel). The main window records one undo
    // step per signal and marks unsaved changes.
    void edited(const zr40::EditStep& step = zr40::EditStep());

private:
    Codeplug& codeplug_;
    bool Codeplug::*openFlag_;
};

} // namespace zr40
