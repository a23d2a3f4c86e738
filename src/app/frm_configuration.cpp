#include "app/frm_configuration.h"

#include "app/frm_maitre.h"
#include "app/gui_application.h"

namespace quintaro {

namespace {
constexpr const char* kConfigurationKey = "\\Software\\VELMORA\\QUINTARO\\CONFIGURATION";
} // namespace

TfrmConfiguration::TfrmConfiguration(TfrmMaitre& maitre)
    : ViewWindow(maitre, QStringLiteral("Configuration"), 0) {
    const SettingsStore& settings = maitre.Settings();
    try {
        maitre.SetMenuAuto(!settings.ValueExists(kConfigurationKey, "menuAuto") ||
                           settings.ReadInteger(kConfigurationKey, "menuAuto") != 0);
        // The update mode is an item of two: a value above 1 is "Fichiers", a negative one
        // leaves "Internet".
        if (settings.ValueExists(kConfigurationKey, "modemaj")) {
            const std::int32_t mode = settings.ReadInteger(kConfigurationKey, "modemaj");
            if (mode >= 0)
                maitre.SetModeMaj(std::min(mode, 1));
        }
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
}

} // namespace quintaro
