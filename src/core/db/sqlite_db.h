#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace quintaro {

// A database failure; its message is SQLite's own text.
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const std::string& text, int code = 0)
        : std::runtime_error(text), code_(code) {}
    // SQLite's primary result code (SQLITE_BUSY, SQLITE_NOTADB...); 0 for this layer's own.
    int Code() const { return code_; }
    // Another connection holds the database (busy or locked past the time-out).
    bool Busy() const;
    // The file is not a database, or a damaged one.
    bool DamagedFile() const;

private:
    int code_;
};

// A value bound to a named parameter; std::monostate stands for NULL.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

class SqlStatement;

// One connection to a database file, created when missing. Outside an explicit
// transaction every statement commits on its own.
class SqlConnection {
public:
    SqlConnection() = default;
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    void Open(const std::filesystem::path& file); // throws SqlError
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    // Counts the opens and closes: statements prepared under another generation are gone.
    std::uint64_t Generation() const { return generation_; }

    // What the database looked like from this connection: two equal stamps mean nothing was
    // written in between, by this connection or another, and the connection was not reopened.
    struct ChangeStamp {
        std::uint64_t generation = 0;
        std::int64_t ownChanges = 0;    // rows this connection changed since it opened
        std::int64_t othersCommits = 0; // moves when another connection commits
        std::int64_t schema = 0;
        bool operator==(const ChangeStamp&) const = default;
    };
    ChangeStamp Stamp();
    // Runs statements without parameters.
    void Execute(const std::string& sql);
    SqlStatement Prepare(const std::string& sql);

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    sqlite3* Handle() const;
    std::unique_ptr<sqlite3, Closer> db_;
    std::string openFailure_; // why the last Open failed, reported by later use
    std::uint64_t generation_ = 0;
};

// An explicit transaction: "begin transaction" at construction, "rollback transaction" at
// destruction unless Commit ran, so a failure anywhere inside leaves nothing half-written.
class SqlTransaction {
public:
    explicit SqlTransaction(SqlConnection& cnx);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    void Commit();

private:
    SqlConnection& cnx_;
    bool open_ = true;
};

// A prepared statement. Parameters are named ":name" in the text and set by name; a value
// stays set across executions until it is set again. Queries are read row by row.
class SqlStatement {
public:
    SqlStatement(SqlStatement&&) noexcept = default;
    SqlStatement& operator=(SqlStatement&&) noexcept = default;

    // name without the colon.
    void Set(std::string_view name, const SqlValue& value);

    // Runs the statement to its end (an insert, update, delete or create).
    void Execute();

    // Steps to the next row of a query; false after the last one. The next Execute or
    // Next after false starts the statement anew.
    bool Next();
    // Back to the start, bindings kept: a query read only in part holds no lock any more.
    void Rewind();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    int ColumnIndex(std::string_view name) const; // without regard to case; throws SqlError
    bool IsNull(int column) const;
    std::int64_t Int(int column) const; // NULL reads as 0
    double Double(int column) const;    // NULL reads as 0
    std::string Text(int column) const; // NULL reads as ""
    std::int64_t Int(std::string_view name) const { return Int(ColumnIndex(name)); }
    double Double(std::string_view name) const { return Double(ColumnIndex(name)); }
    std::string Text(std::string_view name) const { return Text(ColumnIndex(name)); }

private:
    friend class SqlConnection;
    struct Finalizer {
        void operator()(sqlite3_stmt* stmt) const;
    };
    SqlStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    [[noreturn]] void Fail() const;
    int Step();

    sqlite3* db_;
    std::unique_ptr<sqlite3_stmt, Finalizer> stmt_;
    bool started_ = false; // stepped since the last start
    bool done_ = false;    // the last step reached the end
};

// A statement prepared on its first use and kept for the following ones, prepared anew once
// the connection has been closed or reopened.
class CachedStatement {
public:
    CachedStatement(SqlConnection& cnx, std::string text) : cnx_(cnx), text_(std::move(text)) {}
    SqlStatement& Get();

private:
    SqlConnection& cnx_;
    std::string text_;
    std::optional<SqlStatement> statement_;
    std::uint64_t generation_ = 0;
};

} // namespace quintaro
