#pragma once

#include "core/db/sqlite_db.h"

#include <optional>

namespace quintaro {

// What a part of the data store keeps in memory of the database: read again on the first use
// after anything was written to the database, by this connection or another, or after the
// connection was reopened.
class DatabaseCopy {
public:
    explicit DatabaseCopy(SqlConnection& cnx) : cnx_(cnx) {}

    // Calls `read` when the copy is missing, out of step, or `always`; a read that fails
    // leaves the copy missing, and its failure reaches the caller.
    template <class Read> void KeepInStep(Read&& read, bool always = false) {
        const SqlConnection::ChangeStamp now = cnx_.Stamp();
        if (!always && readAt_ == now)
            return;
        readAt_.reset();
        read();
        readAt_ = now;
    }

private:
    SqlConnection& cnx_;
    std::optional<SqlConnection::ChangeStamp> readAt_;
};

} // namespace quintaro
