#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/edit_history.h"

#include <QList>
#include <QObject>

class QAction;

namespace zr40 {

class ChangeTracker;
class PageManager;

// Edit > Undo and Redo over the plan's edit history: every page's edit, a paste, an import, a
// read from the radio is one step; the menu items name the step they take back or do again.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    HistoryCommands(Codeplug& codeplug, const ChangeTracker& tracker, PageManager& pages,
                    QAction* undo, QAction* redo, QObject* parent);

    // The edit a page just made is one undo step (every page's edited signal comes here).
    void RecordStep(const EditStep& step);
    void Undo();
    void Redo();
    // A fresh history from the plan as it stands (start-up, New, Open, a model change).
    void Reset();
    // The menu items' captions and enabling, in the current language.
    void UpdateActions();
    const EditHistory& History() const { return history_; }

signals:
    // The plan changed under the window's caption (its star may come or go).
    void changed();

private:
    void MoveInHistory(bool redo);
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    const ChangeTracker& tracker_;
    PageManager& pages_;
    QAction* undo_;
    QAction* redo_;
    EditHistory history_;
    // While Undo or Redo commits pending edits: the steps they would have recorded.
    QList<EditStep>* pendingSteps_ = nullptr;
};

} // namespace zr40
