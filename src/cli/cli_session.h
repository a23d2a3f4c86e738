#pragma once

#include "cli/cli.h"
#include "core/app/startup.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quintaro::cli {

// A command line that does not follow the usage; exit status 2.
struct UsageError {
    std::string text;
};

struct Invocation {
    std::optional<std::filesystem::path> appDir;
    std::string command;
    std::vector<std::string> args;
};

// The installation as a command sees it after the start-up sequence.
struct Session {
    explicit Session(const std::filesystem::path& settingsFile) : settings(settingsFile) {}
    SettingsStore settings;
    AppContext app;
    Tmd& md() { return *app.md; }
};

// Runs the start-up sequence with its lines on `progress`; on failure prints the dialog's
// text on err and gives nothing.
std::unique_ptr<Session> Start(const Invocation& inv, const CliEnvironment& env,
                               std::ostream& progress, std::ostream& err);

// Argument readers; a malformed argument is a usage error.
std::int32_t IntegerArgument(const std::string& text, const char* what);
double DateArgument(const std::string& text, const char* what);

// Output fields: amounts with two decimals and "." as separator, TAB between fields.
std::string Amount(double value);
void Row(std::ostream& out, const std::vector<std::string>& fields);
// A `detail` row: one winning grid of one draw.
void DetailRow(std::ostream& out, std::int32_t type, std::int32_t reftirage, double date,
               std::int32_t n_sem, std::int32_t n_tir, const WinningGrid& w);

using Command = int (*)(const Invocation&, const CliEnvironment&, std::ostream& out,
                        std::ostream& err);
int Gains(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);
int Tirage(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);
int Grilles(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);
int Maj(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);
int MajTotal(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);
int Stat(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&);

} // namespace quintaro::cli
