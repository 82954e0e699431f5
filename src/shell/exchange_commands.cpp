#include "shell/exchange_commands.h"

#include "channels/channel_rules.h"
#include "channels/ui/form_channel_information.h"
#include "codeplug/file_reader.h"
#include "codeplug/file_writer.h"
#include "shell/dialog_folders.h"
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
        window_, true, MainWindowTexts::Text(Id::ImportTitle, english()),
        DialogFolders::Proposed(DialogFolders::kImport, QString()), filters, QString());
    DialogFolders::Remember(DialogFolders::kImport, path);
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
    int first = 0;
    if (format == PlanExchange::Format::CommonCsv) {
        const auto asked = AskFirstChannel(name);
        if (!asked)
            return false;
        first = *asked;
    }
    if (!ConfirmOverwrite(name, format, bytes, first))
        return false;
    const ExchangeResult result =
        PlanExchange::Import(format, bytes, codeplug_, first, TextContext::Of(codeplug_));
    QString summary = MainWindowTexts::Text(Id::NotImported, english()).arg(name);
    QStringList lines = result.warnings;
    if (result.ok) {
        pages_.ReloadOpenPages();
        history_.RecordStep(EditStep::InBoth([&name](const TextContext& text) {
            return text.Tr("MDIFormMain", "Import %1").arg(name);
        }));
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

std::optional<int> ExchangeCommands::AskFirstChannel(const QString& name) {
    // Rows go where the user picked a row, else after what is in use.
    auto* grid = qobject_cast<FormChannelInformation*>(pages_.Page(PageManager::kChannelPage));
    const QList<int> picked = grid ? grid->PickedChannels() : QList<int>();
    int proposed = picked.isEmpty() ? 0 : picked.first();
    for (int c = 0; picked.isEmpty() && c < Codeplug::kChannels; ++c) {
        if (ChannelRules::IsEmptyChannel(codeplug_, c)) {
            proposed = c;
            break;
        }
    }
    const auto first = UiSeam::Instance().AskNumber(
        window_, MainWindowTexts::Text(Id::ImportTitle, english()),
        MainWindowTexts::Text(Id::ImportFirstChannel, english()).arg(name), 1, Codeplug::kChannels,
        proposed + 1);
    if (!first)
        return std::nullopt;
    return qBound(1, *first, int(Codeplug::kChannels)) - 1;
}

bool ExchangeCommands::ConfirmOverwrite(const QString& name, PlanExchange::Format format,
                                        const QByteArray& bytes, int first) {
    // Tried on a copy first: the channels it would write are known before anything changes.
    Codeplug trial = codeplug_;
    const ExchangeResult tried =
        PlanExchange::Import(format, bytes, trial, first, TextContext::Of(codeplug_));
    QList<int> inUse;
    for (int channel : tried.channels)
        if (!ChannelRules::IsEmptyChannel(codeplug_, channel))
            inUse << channel + 1;
    if (!tried.ok || inUse.isEmpty())
        return true;
    return UiSeam::Instance().Ask(
               window_, QMessageBox::Warning, MainWindowTexts::Text(Id::ImportTitle, english()),
               MainWindowTexts::Text(Id::ImportOverwrites, english())
                   .arg(name, EditStep::NumberRuns(inUse)),
               {{QMessageBox::Yes, MainWindowTexts::Text(Id::ImportButton, english())},
                {QMessageBox::Cancel, {}}}) == QMessageBox::Yes;
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
        DialogFolders::Proposed(DialogFolders::kExport,
                                QFileInfo(codeplug_.FileName).completeBaseName()),
        filters, chosen);
    if (path.isEmpty())
        return;
    DialogFolders::Remember(DialogFolders::kExport, path);
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
