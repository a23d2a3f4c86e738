#include "core/db/sqlite_db.h"

#include "core/base/text_util.h"

#include <sqlite3.h>

namespace quintaro {

namespace {
// Another process (the companion program beside the desktop one) may hold the file briefly.
constexpr int kBusyTimeoutMs = 5000;
} // namespace

bool SqlError::Busy() const {
    return code_ == SQLITE_BUSY || code_ == SQLITE_LOCKED;
}

bool SqlError::DamagedFile() const {
    return code_ == SQLITE_NOTADB || code_ == SQLITE_CORRUPT;
}

void SqlConnection::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void SqlConnection::Open(const std::filesystem::path& file) {
    Close();
    sqlite3* db = nullptr;
    // A connection is used by one thread only: SQLite need not lock it around every call.
    int rc =
        sqlite3_open_v2(file.c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, Closer> holder(db);
    if (rc != SQLITE_OK) {
        openFailure_ = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        throw SqlError(openFailure_, rc & 0xFF);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Debian builds SQLite to overwrite every deleted byte, which makes the emptying of the
    // draw tables write the whole file twice (and its journal). The draws are public: deleted
    // content is overwritten only where that costs no extra write.
    sqlite3_exec(db, "pragma secure_delete = fast", nullptr, nullptr, nullptr);
    db_ = std::move(holder);
    openFailure_.clear();
    ++generation_;
}

SqlConnection::ChangeStamp SqlConnection::Stamp() {
    ChangeStamp stamp;
    stamp.generation = generation_;
    stamp.ownChanges = sqlite3_total_changes64(Handle());
    auto version = Prepare("pragma data_version");
    stamp.othersCommits = version.Next() ? version.Int(0) : 0;
    auto schema = Prepare("pragma schema_version");
    stamp.schema = schema.Next() ? schema.Int(0) : 0;
    return stamp;
}

void SqlConnection::Close() {
    if (db_)
        ++generation_;
    db_.reset();
}

sqlite3* SqlConnection::Handle() const {
    if (!db_)
        throw SqlError(openFailure_.empty() ? "La base de données n'est pas ouverte"
                                            : openFailure_);
    return db_.get();
}

void SqlConnection::Execute(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(Handle(), sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errmsg(db_.get());
        sqlite3_free(message);
        throw SqlError(text, sqlite3_errcode(db_.get()) & 0xFF);
    }
}

SqlStatement SqlConnection::Prepare(const std::string& sql) {
    sqlite3* db = Handle();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK)
        throw SqlError(sqlite3_errmsg(db), sqlite3_errcode(db) & 0xFF);
    if (!stmt)
        throw SqlError("Requête vide");
    return SqlStatement(db, stmt);
}

void SqlStatement::Finalizer::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

SqlTransaction::SqlTransaction(SqlConnection& cnx) : cnx_(cnx) {
    cnx_.Execute("begin transaction");
}

SqlTransaction::~SqlTransaction() {
    if (!open_)
        return;
    try {
        cnx_.Execute("rollback transaction");
    } catch (...) {
        // A failed statement may have ended the transaction already (SQLite rolls back by
        // itself on some errors): there is nothing left to undo.
    }
}

void SqlTransaction::Commit() {
    cnx_.Execute("commit transaction");
    open_ = false;
}

void SqlStatement::Fail() const {
    throw SqlError(sqlite3_errmsg(db_), sqlite3_errcode(db_) & 0xFF);
}

void SqlStatement::Set(std::string_view name, const SqlValue& value) {
    const std::string parameter = ":" + std::string(name);
    const int index = sqlite3_bind_parameter_index(stmt_.get(), parameter.c_str());
    if (index == 0)
        throw SqlError("Paramètre '" + std::string(name) + "' introuvable");
    Rewind();
    int rc = std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return sqlite3_bind_null(stmt_.get(), index);
            else if constexpr (std::is_same_v<T, std::int64_t>)
                return sqlite3_bind_int64(stmt_.get(), index, v);
            else if constexpr (std::is_same_v<T, double>)
                return sqlite3_bind_double(stmt_.get(), index, v);
            else
                return sqlite3_bind_text(stmt_.get(), index, v.data(), static_cast<int>(v.size()),
                                         SQLITE_TRANSIENT);
        },
        value);
    if (rc != SQLITE_OK)
        Fail();
}

void SqlStatement::Rewind() {
    if (!started_)
        return;
    sqlite3_reset(stmt_.get());
    started_ = done_ = false;
}

int SqlStatement::Step() {
    if (done_)
        Rewind();
    started_ = true;
    int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW)
        return rc;
    done_ = true;
    if (rc != SQLITE_DONE) {
        std::string text = sqlite3_errmsg(db_);
        Rewind();
        throw SqlError(text, rc & 0xFF);
    }
    return rc;
}

void SqlStatement::Execute() {
    Rewind();
    while (Step() == SQLITE_ROW) {
    }
}

bool SqlStatement::Next() {
    return Step() == SQLITE_ROW;
}

int SqlStatement::ColumnCount() const {
    return sqlite3_column_count(stmt_.get());
}

std::string SqlStatement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(stmt_.get(), column);
    return name ? name : "";
}

int SqlStatement::ColumnIndex(std::string_view name) const {
    for (int i = 0, n = ColumnCount(); i < n; ++i)
        if (EqualsIgnoringAsciiCase(ColumnName(i), name))
            return i;
    throw SqlError("Champ '" + std::string(name) + "' non trouvé");
}

bool SqlStatement::IsNull(int column) const {
    return sqlite3_column_type(stmt_.get(), column) == SQLITE_NULL;
}

std::int64_t SqlStatement::Int(int column) const {
    return sqlite3_column_int64(stmt_.get(), column);
}

double SqlStatement::Double(int column) const {
    return sqlite3_column_double(stmt_.get(), column);
}

std::string SqlStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_.get(), column);
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_.get(), column)));
}

SqlStatement& CachedStatement::Get() {
    if (!statement_ || generation_ != cnx_.Generation()) {
        statement_.reset();
        statement_.emplace(cnx_.Prepare(text_));
        generation_ = cnx_.Generation();
    }
    return *statement_;
}

} // namespace quintaro
