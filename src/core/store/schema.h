#pragma once

#include <array>
#include <string_view>

namespace quintaro {

// One object of the database schema.
struct TlistBase {
    std::string_view name;
    std::string_view kind;
};

inline constexpr std::size_t kSchemaSize = 7;

// The seven tables and the statements that create them, in the same order. The statement
// texts are part of the file format: an existing database conforms only when SQLite holds
// exactly these texts.
extern const std::array<TlistBase, kSchemaSize> SchemaTables;
extern const std::array<std::string_view, kSchemaSize> SchemaStatements;

// Indexes beside the schema: they spare a scan of a whole table to the duplicate test and the
// latest-date query of the import, and to the prize ranks and balls of the draw selected in
// the draws view. The schema test does not see them.
struct LookupIndex {
    std::string_view name;
    std::string_view create;
    // Read by the import. The others serve the views only: a full reset builds them once its
    // rows are in, which costs less than keeping them up to date row by row.
    bool readByImport;
};
extern const std::array<LookupIndex, 3> DrawLookupIndexes;

} // namespace quintaro
