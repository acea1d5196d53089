// What the whole program shares: the one record of user defaults, where
// settings.cfg is saved, and the desktop's services. Start-up creates it and
// hands it to each window; tests hand in their own services.
#pragma once

#include <QString>
#include <string>

#include "core/rules/key_filter.h"
#include "core/rules/user_defaults.h"
#include "platform/address_opener.h"
#include "platform/message_boxes.h"
#include "platform/program_end.h"

class QWidget;

namespace korvane {

class AppContext {
  public:
    AppContext(platform::MessageBoxes& messageBoxes, platform::AddressOpener& addresses,
               platform::ProgramEnd& programEnd)
        : messageBoxes_(messageBoxes), addresses_(addresses), programEnd_(programEnd) {}

    // The record of the run: empty until start-up reads settings.cfg, then
    // changed only by a save in the Default Settings dialog.
    UserDefaults& Defaults() { return defaults_; }

    // Where the Default Settings dialog saves settings.cfg (start-up may
    // have read it elsewhere); empty when the user has no folder for it.
    const std::string& SettingsSavePath() const { return settingsSavePath_; }
    void SetSettingsSavePath(std::string path) { settingsSavePath_ = std::move(path); }

    // Message boxes, all titled with the application's title.
    void ShowWarning(const QString& message, QWidget* parent = nullptr);   // exclamation, OK
    void ShowCritical(const QString& message, QWidget* parent = nullptr);  // stop, OK
    bool AskYesNo(const QString& question, QWidget* parent = nullptr);     // true for Yes

    // Hands an address to the desktop; whatever happens there is ignored.
    void OpenAddress(const QString& address);

    void EndProgram() { programEnd_.EndProgram(); }

    // Whether a comma typed into a number is its decimal point: only in a
    // language that writes one (start-up sets it with the language).
    DecimalKey DecimalKeyOfLanguage() const { return decimalKey_; }
    void SetDecimalKey(DecimalKey key) { decimalKey_ = key; }

  private:
    platform::MessageAnswer Show(QWidget* parent, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons);

    platform::MessageBoxes& messageBoxes_;
    platform::AddressOpener& addresses_;
    platform::ProgramEnd& programEnd_;
    UserDefaults defaults_;
    std::string settingsSavePath_;
    DecimalKey decimalKey_ = DecimalKey::PeriodOnly;
};

}  // namespace korvane
