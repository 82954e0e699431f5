#pragma once

#include "codeplug/codeplug.h"
#include "exchange/plan_exchange.h"

#include <QObject>
#include <QStringList>
#include <optional>

class QWidget;

namespace zr40 {

class HistoryCommands;
class PageManager;

// File > Import and Export: plans from and for other tools (json, channel csv, common radio csv),
// with a report of what went where and what was left out.
class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    ExchangeCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                     QWidget* window);

    void Import();
    // Applies the file to the plan as Import does once it is chosen, then shows the report; false
    // when nothing was imported.
    bool ImportFile(const QString& path);
    void Export();
    bool ExportFile(const QString& path, PlanExchange::Format format);

private:
    // The channel (index) the common csv's first row goes into; nothing when cancelled.
    std::optional<int> AskFirstChannel(const QString& name);
    // Names the channels in use the import would write over and asks; true to go on.
    bool ConfirmOverwrite(const QString& name, PlanExchange::Format format, const QByteArray& bytes,
                          int first);
    void ShowReport(const QString& title, const QString& summary, const QStringList& warnings);
    bool english() const { return codeplug_.IsEnglish; }

    Codeplug& codeplug_;
    PageManager& pages_;
    HistoryCommands& history_;
    QWidget* window_;
};

} // namespace zr40
