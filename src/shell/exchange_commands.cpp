#include "shell/exchange_commands.h"

#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"
#include "shell/form_exchange_report.h"
#include "shell/history_commands.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"
#include "widgets/ui_seam.h"

#include <QFileInfo>

namespace zr40 {

using Id = MainWindowTexts::Id;

ExchangeCommands::ExchangeCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                                   QWidget* window)
    : QObject(window), codeplug_(codeplug), pages_(pages), history_(history), window_(window) {}

void ExchangeCommands::Import() {
    pages_.FreshPages();
    const QStringList filters = {MainWindowTexts::Text(Id::FilterExchange, english()),
                                 MainWindowTexts::Text(Id::FilterAll, english())};
    const QString path = UiSeam::Instance().FileDialog(
        window_, true, MainWindowTexts::Text(Id::ImportTitle, english()), QString(), filters,
        QString());
    if (!path.isEmpty())
        ImportFile(path);
}

bool ExchangeCommands::ImportFile(const QString& path) {
    // A channel list is a few kilobytes; a huge file is no list and is not read at all.
    constexpr qint64 kLargest = 4 * 1024 * 1024;
    QByteArray bytes;
    const FileResult read = FileReader::Read(path, kLargest, FileReader::Beyond::Refuse, bytes);
    if (!read.ok()) {
        UiSeam::Instance().Message(window_, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::CannotRead, english()) +
                                       QLatin1Char('\n') + read.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    PlanExchange::Format format = PlanExchange::FromContent(bytes);
    if (format == PlanExchange::Format::Unknown)
        format = PlanExchange::FromPath(path);
    const QString name = QFileInfo(path).fileName();
    const ExchangeResult result =
        PlanExchange::Import(format, bytes, codeplug_, 0, TextContext::Of(codeplug_));
    QString summary = MainWindowTexts::Text(Id::NotImported, english()).arg(name);
    QStringList lines = result.warnings;
    if (result.ok) {
        pages_.ReloadOpenPages();
        const QString step = MainWindowTexts::Text(Id::ImportStep, true).arg(name);
        history_.RecordStep({step, MainWindowTexts::Text(Id::ImportStep, false).arg(name)});
        QList<int> numbers;
        for (int channel : result.channels)
            numbers << channel + 1;
        summary = format == PlanExchange::Format::Json
                      ? MainWindowTexts::Text(Id::ImportedValues, english()).arg(name)
                      : MainWindowTexts::Text(Id::ImportedChannels, english())
                            .arg(name)
                            .arg(result.channels.size())
                            .arg(EditStep::NumberRuns(numbers));
    } else {
        lines.prepend(result.error);
    }
    ShowReport(MainWindowTexts::Text(Id::ImportTitle, english()), summary, lines);
    return result.ok;
}

void ExchangeCommands::Export() {
    using Format = PlanExchange::Format;
    pages_.FreshPages();
    const QStringList filters = {MainWindowTexts::Text(Id::FilterJson, english()),
                                 MainWindowTexts::Text(Id::FilterChannelCsv, english()),
                                 MainWindowTexts::Text(Id::FilterCommonCsv, english())};
    int chosen = -1;
    const QString path = UiSeam::Instance().SaveFileDialog(
        window_, MainWindowTexts::Text(Id::ExportTitle, english()),
        QFileInfo(codeplug_.FileName).completeBaseName(), filters, chosen);
    if (path.isEmpty())
        return;
    const Format byFilter[] = {Format::Json, Format::ChannelCsv, Format::CommonCsv};
    Format format = chosen >= 0 && chosen < 3 ? byFilter[chosen] : PlanExchange::FromPath(path);
    ExportFile(path, format == Format::Unknown ? Format::Json : format);
}

bool ExchangeCommands::ExportFile(const QString& path, PlanExchange::Format format) {
    ExchangeResult report;
    const QByteArray bytes =
        PlanExchange::Export(format, codeplug_, &report, TextContext::Of(codeplug_));
    const FileResult written = FileWriter::Write(path, bytes);
    if (!written.ok()) {
        UiSeam::Instance().Message(window_, QMessageBox::Critical,
                                   MainWindowTexts::Text(Id::ErrorCaption, english()),
                                   MainWindowTexts::Text(Id::ExportFailed, english()) +
                                       QLatin1Char('\n') + written.Message(english()),
                                   QMessageBox::Ok);
        return false;
    }
    // Only an export that left something out has anything to report.
    if (!report.warnings.isEmpty())
        ShowReport(MainWindowTexts::Text(Id::ExportTitle, english()),
                   MainWindowTexts::Text(Id::Exported, english())
                       .arg(QFileInfo(path).fileName())
                       .arg(report.channels.size()),
                   report.warnings);
    return true;
}

void ExchangeCommands::ShowReport(const QString& title, const QString& summary,
                                  const QStringList& warnings) {
    FormExchangeReport dialog(title, summary, warnings, MainWindowTexts::Text(Id::Close, english()),
                              window_);
    dialog.exec();
}

} // namespace zr40
