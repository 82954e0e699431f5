#include "shell/widget_text_dump.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>

namespace zr40 {

namespace {

class Dump {
public:
    QStringList lines;

    void Widget(QWidget* widget, const QString& path, bool hidden);

private:
    void Add(const QString& path, const QObject* object, const QString& what, const QString& text,
             bool hidden = false) {
        if (text.isEmpty())
            return;
        QString shown = text;
        shown.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        lines << QStringLiteral("%1 %2 %3%4: %5")
                     .arg(path, QString::fromLatin1(object->metaObject()->className()), what,
                          hidden ? QStringLiteral(" (hidden)") : QString(), shown);
    }
    void Common(QWidget* w, const QString& path, bool hidden);
    void Texts(QWidget* w, const QString& path, bool hidden);
    void Items(QWidget* w, const QString& path, bool hidden);
    void Model(const QAbstractItemModel* model, const QModelIndex& parent, const QString& path,
               const QObject* view, bool hidden);
    void Headers(const QAbstractItemModel* model, const QString& path, const QObject* view,
                 bool hidden);
    void Actions(const QList<QAction*>& actions, const QString& path, const QObject* owner,
                 bool hidden);
};

// An object's name in a path: its object name, or its class and place among its unnamed
// brothers of that class.
QString Segment(const QObject* object) {
    if (!object->objectName().isEmpty())
        return object->objectName();
    int place = 0;
    if (const QObject* parent = object->parent()) {
        for (const QObject* brother : parent->children()) {
            if (brother == object)
                break;
            if (brother->objectName().isEmpty() && brother->metaObject() == object->metaObject())
                ++place;
        }
    }
    return QStringLiteral("%1#%2")
        .arg(QString::fromLatin1(object->metaObject()->className()))
        .arg(place);
}

void Dump::Widget(QWidget* w, const QString& path, bool hidden) {
    hidden = hidden || w->isHidden();
    Common(w, path, hidden);
    Texts(w, path, hidden);
    Items(w, path, hidden);
    for (QObject* child : w->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Other windows are listed on their own; a menu belongs to the window that owns it.
        if (!widget || (widget->isWindow() && !qobject_cast<QMenu*>(widget)))
            continue;
        Widget(widget, path + QLatin1Char('/') + Segment(widget), hidden);
    }
}

void Dump::Common(QWidget* w, const QString& path, bool hidden) {
    if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
        Add(path, w, QStringLiteral("title"), w->windowTitle(), hidden);
    Add(path, w, QStringLiteral("tooltip"), w->toolTip(), hidden);
    Add(path, w, QStringLiteral("statustip"), w->statusTip(), hidden);
    Add(path, w, QStringLiteral("whatsthis"), w->whatsThis(), hidden);
}

void Dump::Texts(QWidget* w, const QString& path, bool hidden) {
    const QString text = QStringLiteral("text");
    if (auto* label = qobject_cast<QLabel*>(w))
        Add(path, w, text, label->text(), hidden);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        Add(path, w, text, button->text(), hidden);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        Add(path, w, text, box->title(), hidden);
    else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        Add(path, w, text, edit->text(), hidden);
        Add(path, w, QStringLiteral("placeholder"), edit->placeholderText(), hidden);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w))
        Add(path, w, text, rich->toPlainText(), hidden);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        Add(path, w, text, plain->toPlainText(), hidden);
    else if (auto* bar = qobject_cast<QProgressBar*>(w))
        Add(path, w, text, bar->text(), hidden);
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
        Add(path, w, text, spin->text(), hidden);
        Add(path, w, QStringLiteral("special"), spin->specialValueText(), hidden);
    }
}

void Dump::Items(QWidget* w, const QString& path, bool hidden) {
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            Add(path, w, QStringLiteral("item[%1]").arg(i), combo->itemText(i), hidden);
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Add(path, w, QStringLiteral("tab[%1]").arg(i), tabs->tabText(i), hidden);
            Add(path, w, QStringLiteral("tabtip[%1]").arg(i), tabs->tabToolTip(i), hidden);
        }
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        if (!qobject_cast<QHeaderView*>(w)) {
            Headers(view->model(), path, w, hidden);
            Model(view->model(), view->rootIndex(), path, w, hidden);
        }
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        Add(path, w, QStringLiteral("menutitle"), menu->title(), hidden);
        Actions(menu->actions(), path, w, hidden);
    } else if (qobject_cast<QMenuBar*>(w) || qobject_cast<QToolBar*>(w)) {
        Actions(w->actions(), path, w, hidden);
    }
}

void Dump::Headers(const QAbstractItemModel* model, const QString& path, const QObject* view,
                   bool hidden) {
    for (int c = 0; c < model->columnCount(); ++c)
        Add(path, view, QStringLiteral("column[%1]").arg(c),
            model->headerData(c, Qt::Horizontal).toString(), hidden);
    for (int r = 0; r < model->rowCount(); ++r)
        Add(path, view, QStringLiteral("row[%1]").arg(r),
            model->headerData(r, Qt::Vertical).toString(), hidden);
}

void Dump::Model(const QAbstractItemModel* model, const QModelIndex& parent, const QString& path,
                 const QObject* view, bool hidden) {
    for (int r = 0; r < model->rowCount(parent); ++r) {
        for (int c = 0; c < model->columnCount(parent); ++c) {
            const QModelIndex index = model->index(r, c, parent);
            const QString at = QStringLiteral("%1/cell[%2,%3]").arg(path).arg(r).arg(c);
            Add(at, view, QStringLiteral("text"), index.data(Qt::DisplayRole).toString(), hidden);
            Add(at, view, QStringLiteral("tooltip"), index.data(Qt::ToolTipRole).toString(),
                hidden);
            if (c == 0 && model->hasChildren(index))
                Model(model, index, at, view, hidden);
        }
    }
}

void Dump::Actions(const QList<QAction*>& actions, const QString& path, const QObject* owner,
                   bool hidden) {
    for (int i = 0; i < actions.size(); ++i) {
        const QAction* action = actions[i];
        const QString at =
            QStringLiteral("%1/action[%2]%3")
                .arg(path)
                .arg(i)
                .arg(action->objectName().isEmpty() ? QString()
                                                    : QLatin1Char(' ') + action->objectName());
        const bool actionHidden = hidden || !action->isVisible();
        Add(at, owner, QStringLiteral("action"),
            action->isSeparator() ? QStringLiteral("-") : action->text(), actionHidden);
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            Add(at, owner, QStringLiteral("actiontip"), action->toolTip(), actionHidden);
        Add(at, owner, QStringLiteral("keys"), action->shortcut().toString(), actionHidden);
    }
}

} // namespace

QStringList WidgetTextDump::Lines(QWidget* window) {
    Dump dump;
    dump.Widget(window, Segment(window), false);
    return dump.lines;
}

} // namespace zr40
