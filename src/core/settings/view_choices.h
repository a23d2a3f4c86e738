#pragma once

#include "core/settings/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quintaro {

// The keys under which four views remember their last choices.
inline constexpr const char* kGrilleKey = "\\Software\\VELMORA\\QUINTARO\\GRILLE";
inline constexpr const char* kStatKey = "\\Software\\VELMORA\\QUINTARO\\STAT";
inline constexpr const char* kTirageKey = "\\Software\\VELMORA\\QUINTARO\\TIRAGE";
inline constexpr const char* kCalculKey = "\\Software\\VELMORA\\QUINTARO\\CALCUL";

// What a view's key gives back: "TypeTirage", then for the period view "DateDepart" and
// "DateFin" (day counts). The values are read in that order until one is missing or of another
// type; what was read before stays. Only a complete reading runs the view's game change.
struct RestoredChoice {
    std::optional<std::int32_t> typeTirage;
    std::optional<double> dateDepart;
    std::optional<double> dateFin;
    bool complete = false;
};
RestoredChoice ReadViewChoice(const SettingsStore& store, const std::string& key, bool withDates);

struct PeriodDates {
    double dateDepart;
    double dateFin;
};
// Writes the view's choice (-1: no game selected) and, for the period view, its two dates.
void WriteViewChoice(SettingsStore& store, const std::string& key, std::int32_t typeTirage,
                     const std::optional<PeriodDates>& dates = std::nullopt);

} // namespace quintaro
