#include "core/settings/view_choices.h"

#include <cstring>

namespace quintaro {

namespace {

// A date is 8 bytes: the day count as a little-endian double.
std::optional<double> ReadDate(const SettingsStore& store, const std::string& key, const char* name) {
    if (store.TypeOf(key, name) != SettingsStore::Type::Binary)
        return std::nullopt;
    const std::vector<std::uint8_t> bytes = store.ReadBinary(key, name);
    if (bytes.size() != sizeof(double))
        return std::nullopt;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    double date;
    std::memcpy(&date, &bits, sizeof date);
    return date;
}

std::vector<std::uint8_t> DateBytes(double date) {
    std::uint64_t bits;
    std::memcpy(&bits, &date, sizeof bits);
    std::vector<std::uint8_t> bytes(sizeof bits);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

} // namespace

RestoredChoice ReadViewChoice(const SettingsStore& store, const std::string& key, bool withDates) {
    RestoredChoice choice;
    if (store.TypeOf(key, "TypeTirage") != SettingsStore::Type::Dword)
        return choice;
    choice.typeTirage = store.ReadInteger(key, "TypeTirage");
    if (withDates) {
        if (!(choice.dateDepart = ReadDate(store, key, "DateDepart")))
            return choice;
        if (!(choice.dateFin = ReadDate(store, key, "DateFin")))
            return choice;
    }
    choice.complete = true;
    return choice;
}

void WriteViewChoice(SettingsStore& store, const std::string& key, std::int32_t typeTirage,
                     const std::optional<PeriodDates>& dates) {
    store.WriteInteger(key, "TypeTirage", typeTirage);
    if (dates) {
        store.WriteBinary(key, "DateDepart", DateBytes(dates->dateDepart));
        store.WriteBinary(key, "DateFin", DateBytes(dates->dateFin));
    }
}

} // namespace quintaro
