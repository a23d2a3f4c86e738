#pragma once

#include "core/datastore/tmd.h"
#include "core/settings/settings_store.h"
#include "core/store/catalogue.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quintaro::test {

// Stores a grid in listegrille under the number `num` of its game.
void StoreGrid(Tmd& md, int num, int type, const std::vector<int>& numbers,
               const std::vector<int>& second = {});
// Stores a draw with its balls and, when given, its prize amounts by rank; returns its
// reference.
std::int32_t StoreDraw(Tmd& md, int type, double date, const std::vector<int>& balls,
                       const std::vector<double>& amounts = {}, int n_tir = 1);

// A data store on a fresh database of the six-game installation, with its combination tables.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture();

    // Stores a grid in listegrille under the next number of its game.
    void AddGrid(int type, const std::vector<int>& numbers, const std::vector<int>& second = {});
    // Stores a draw with its balls and, when given, its 13 prize amounts; returns its reference.
    std::int32_t AddDraw(int type, double date, const std::vector<int>& balls,
                         const std::vector<double>& amounts = {}, int n_tir = 1);
    std::int64_t Count(const std::string& table);

    TempDir app, work, config;
    SettingsStore settings{config / "settings.reg"};
    Catalogue catalogue;
    std::vector<std::string> dialogs;  // error dialogs shown
    std::vector<std::string> messages; // message boxes shown
    std::unique_ptr<Tmd> md;
    std::array<int, kGameTypeCount> gridNumbers{};
};

} // namespace quintaro::test
