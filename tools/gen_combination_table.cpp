// Writes the prize combination tables file from the prize-rank rules of the core.
#include "core/winnings/combination_table.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_combination_table FILE\n";
        return 2;
    }
    const auto table = quintaro::CombinationTable::FromRules();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(table.Bytes().data()),
              static_cast<std::streamsize>(table.Bytes().size()));
    out.close();
    if (!out) {
        std::cerr << "gen_combination_table: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
