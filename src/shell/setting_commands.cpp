#include "shell/setting_commands.h"

#include "codeplug/model_band.h"
#include "codeplug/settings_store.h"
#include "shell/form_com_port.h"
#include "shell/form_language.h"
#include "shell/form_model_information.h"
#include "shell/history_commands.h"
#include "shell/main_window_texts.h"
#include "shell/page_manager.h"
#include "widgets/ui_seam.h"

namespace zr40 {

using Id = MainWindowTexts::Id;

SettingCommands::SettingCommands(Codeplug& codeplug, PageManager& pages, HistoryCommands& history,
                                 VirtualRadioProcess& virtualRadio, QWidget* window)
    : QObject(window), codeplug_(codeplug), pages_(pages), history_(history),
      virtualRadio_(virtualRadio), window_(window), portSource_(&FormComPort::SystemPorts) {}

void SettingCommands::ModelInformation() {
    codeplug_.ModelChanged = false;
    FormModelInformation dialog(codeplug_, window_);
    if (dialog.exec() == QDialog::Accepted)
        KeepBand();
    if (!codeplug_.ModelChanged) {
        emit changed();
        return;
    }
    ModelBand::ApplyModelChange(codeplug_, ModelBand::LoadModelData());
    history_.Reset();
    pages_.ReopenChannelPage();
    emit changed();
    codeplug_.ModelChanged = false;
}

void SettingCommands::KeepBand() {
    // Only a band of the model counts as chosen: confirming with none picked chose nothing.
    if (ModelBand::CurrentAreaIndex(codeplug_) < 0)
        return;
    codeplug_.BandNeverChosen = false;
    if (!SettingsStore().WriteBand({codeplug_.BandLower, codeplug_.BandUpper}))
        ShowSettingNotSaved();
}

void SettingCommands::SetCom() {
    FormComPort dialog(codeplug_, portSource_ ? portSource_() : QStringList(), window_);
    dialog.OfferVirtualRadio(virtualRadio_);
    dialog.exec();
    if (dialog.SettingFailed())
        ShowSettingNotSaved();
    emit changed();
}

void SettingCommands::SetLanguage() {
    codeplug_.LanguageChosen = false;
    FormLanguage dialog(codeplug_, window_);
    dialog.exec();
    if (!codeplug_.LanguageChosen)
        return;
    if (dialog.SettingFailed())
        ShowSettingNotSaved();
    pages_.CloseAllPages();
    emit languageChanged();
    pages_.OpenPage(PageManager::kChannelPage);
}

void SettingCommands::ShowSettingNotSaved() {
    UiSeam::Instance().Message(window_, QMessageBox::Warning, MainWindowTexts::AppTitle(),
                               MainWindowTexts::Text(Id::SettingNotSaved, english()),
                               QMessageBox::Ok);
}

} // namespace zr40
