#include "core/settings/configuration_settings.h"

#include <array>
#include <utility>

namespace quintaro {

namespace {

// The colour values in their reading order.
std::array<std::pair<const char*, ColourValue ConfigurationValues::*>, 5> ColourValues() {
    return {{{"couleurligne1", &ConfigurationValues::couleurligne1},
             {"couleurligne2", &ConfigurationValues::couleurligne2},
             {"couleurselection", &ConfigurationValues::couleurselection},
             {"couleurtitre", &ConfigurationValues::couleurtitre},
             {"couleurtitretrie", &ConfigurationValues::couleurtitretrie}}};
}

} // namespace

ConfigurationRead ReadConfiguration(const SettingsStore& store) {
    ConfigurationRead read;
    ConfigurationValues& v = read.values;
    auto stored = [&](const char* name) { return store.ValueExists(kConfigurationKey, name); };
    try {
        v.sauveBoule = !stored("sauveBoule") || store.ReadInteger(kConfigurationKey, "sauveBoule") != 0;
        v.menuAuto = !stored("menuAuto") || store.ReadInteger(kConfigurationKey, "menuAuto") != 0;
        // Two items: a value above 1 selects the second, a negative one none.
        const std::int32_t mode = stored("modemaj") ? store.ReadInteger(kConfigurationKey, "modemaj") : 0;
        v.modemajItem = mode < 0 ? -1 : std::min(mode, 1);
        for (const auto& [name, member] : ColourValues())
            if (stored(name))
                v.*member = static_cast<ColourValue>(store.ReadInteger(kConfigurationKey, name));
    } catch (const std::exception& e) {
        read.failure = e.what();
    }
    return read;
}

void WriteConfiguration(SettingsStore& store, const ConfigurationValues& v) {
    store.WriteInteger(kConfigurationKey, "sauveBoule", v.sauveBoule ? 1 : 0);
    store.WriteInteger(kConfigurationKey, "menuAuto", v.menuAuto ? 1 : 0);
    store.WriteInteger(kConfigurationKey, "modemaj", v.modemajItem);
    for (const auto& [name, member] : ColourValues())
        store.WriteInteger(kConfigurationKey, name, static_cast<std::int32_t>(v.*member));
}

} // namespace quintaro
