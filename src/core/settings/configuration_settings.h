#pragma once

#include "core/settings/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quintaro {

// A colour value as stored: 0x00BBGGRR, or 0xFF0000nn for the desktop's system colour nn.
using ColourValue = std::uint32_t;

// System colour indices the views use.
enum SystemColour : std::uint8_t {
    kHighlight = 13,
    kWindowText = 8,
    kButtonFace = 15,
    kButtonShadow = 16,
    kGrayText = 17,
    kInactiveCaptionText = 19,
    kButtonHighlight = 20,
    k3DDarkShadow = 21,
    k3DLight = 22,
    kInfoBackground = 24,
};

constexpr ColourValue SystemColourValue(SystemColour index) { return 0xFF000000u | index; }
constexpr bool IsSystemColour(ColourValue c) { return (c & 0xFF000000u) == 0xFF000000u; }
constexpr ColourValue Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<ColourValue>(r) | static_cast<ColourValue>(g) << 8 |
           static_cast<ColourValue>(b) << 16;
}

// What the settings view edits, in the order the main window holds the current values.
struct ConfigurationValues {
    bool sauveBoule = true;
    bool menuAuto = false;             // unchecked until the settings are read
    std::int32_t modemajItem = -1;     // the radio group's item; none until read
    ColourValue couleurligne1 = 16311512; // RGB 216, 228, 248
    ColourValue couleurligne2 = SystemColourValue(k3DLight);
    ColourValue couleurselection = SystemColourValue(k3DDarkShadow);
    ColourValue couleurtitre = SystemColourValue(kButtonFace);
    ColourValue couleurtitretrie = 15793151; // cream, RGB 255, 251, 240
};

// The current settings, as the main window holds them for the views.
struct CurrentSettings {
    bool sauveBoule = false;
    std::int32_t modemaj = 0;
    ColourValue couleurligne1 = ConfigurationValues().couleurligne1;
    ColourValue couleurligne2 = ConfigurationValues().couleurligne2;
    ColourValue couleurtitre = ConfigurationValues().couleurtitre;
    ColourValue couleurtitretrie = ConfigurationValues().couleurtitretrie;
    ColourValue couleurselection = ConfigurationValues().couleurselection;
};

// The settings view's reading: the values in their order, each taking its stored value or its
// default; a value of another type stops the reading there with the store's text, and then
// the settings are not handed to the main window.
struct ConfigurationRead {
    ConfigurationValues values;
    std::optional<std::string> failure;
};
ConfigurationRead ReadConfiguration(const SettingsStore& store);

// The settings view's writing, at the end of a normal run. The store is not saved here.
void WriteConfiguration(SettingsStore& store, const ConfigurationValues& values);

// The update mode that an item of the radio group selects: no item leaves "Internet".
constexpr std::int32_t ModeOfItem(std::int32_t item) { return item < 0 ? 0 : item; }

inline constexpr const char* kConfigurationKey = "\\Software\\VELMORA\\QUINTARO\\CONFIGURATION";

} // namespace quintaro
