#include "core/settings/settings_store.h"

#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace quintaro {

namespace {

constexpr std::string_view kHeader = "quintaro-settings 1";
constexpr const char* kMissingValue = "Echec à l'obtention des données pour '%s'";
constexpr const char* kWrongType = "Type de données incorrect pour '%s'";

using Tree = SettingsStore::Tree;
using Value = SettingsStore::Value;

// "\Software\VELMORA\\X\" -> "Software\VELMORA\X".
std::string NormalizeKey(std::string_view key) {
    std::string out;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string_view::npos)
            end = key.size();
        if (end > start) {
            if (!out.empty())
                out += '\\';
            out += key.substr(start, end - start);
        }
        start = end + 1;
    }
    return out;
}

std::string ParentOf(const std::string& path) {
    auto pos = path.rfind('\\');
    return pos == std::string::npos ? std::string() : path.substr(0, pos);
}

void CreateKeyIn(Tree& tree, const std::string& path) {
    for (std::string p = path; !p.empty(); p = ParentOf(p))
        tree.try_emplace(AsciiLower(p), SettingsStore::Key{p, {}});
}

bool DeleteKeyIn(Tree& tree, const std::string& path) {
    const std::string folded = AsciiLower(path);
    auto it = tree.find(folded);
    if (it == tree.end())
        return false;
    const std::string prefix = folded + '\\';
    it = tree.erase(it);
    while (it != tree.end() && it->first.compare(0, prefix.size(), prefix) == 0)
        it = tree.erase(it);
    return true;
}

void SetValueIn(Tree& tree, const std::string& path, const std::string& name, const Value& value) {
    CreateKeyIn(tree, path);
    auto& values = tree[AsciiLower(path)].values;
    auto [it, inserted] = values.try_emplace(AsciiLower(name), name, value);
    if (!inserted)
        it->second.second = value;
}

void AppendHex(std::string& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

// Names and strings are written between quotes; quotes, "%" and control bytes as %XX.
std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || c == '"' || c == '%') {
            out += '%';
            AppendHex(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads a quoted token at the start of text; advances past it.
std::optional<std::string> Unquote(std::string_view& text) {
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0)
            return std::nullopt;
        out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    text.remove_prefix(i + 1);
    return out;
}

std::string Serialize(const Tree& tree) {
    std::string out = std::string(kHeader) + '\n';
    for (const auto& [folded, key] : tree) {
        out += "key " + Quote("\\" + key.path) + '\n';
        for (const auto& [foldedName, entry] : key.values) {
            const auto& [name, value] = entry;
            if (auto* dword = std::get_if<std::uint32_t>(&value)) {
                out += "dword " + Quote(name) + ' ' + std::to_string(*dword) + '\n';
            } else if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
                out += "binary " + Quote(name) + ' ';
                for (std::uint8_t b : *bytes) {
                    AppendHex(out, b);
                }
                out += '\n';
            } else {
                out += "string " + Quote(name) + ' ' + Quote(std::get<std::string>(value)) + '\n';
            }
        }
    }
    return out;
}

std::optional<Value> ParseValue(std::string_view kind, std::string_view text) {
    if (kind == "dword") {
        std::uint64_t v = 0;
        if (text.empty() || text.size() > 10)
            return std::nullopt;
        for (char c : text) {
            if (c < '0' || c > '9')
                return std::nullopt;
            v = v * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (v > 0xFFFFFFFFu)
            return std::nullopt;
        return Value(static_cast<std::uint32_t>(v));
    }
    if (kind == "binary") {
        if (text.size() % 2)
            return std::nullopt;
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < text.size(); i += 2) {
            int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        }
        return Value(std::move(bytes));
    }
    if (kind == "string") {
        auto s = Unquote(text);
        if (!s || !text.empty())
            return std::nullopt;
        return Value(std::move(*s));
    }
    return std::nullopt;
}

std::optional<Tree> Parse(const std::string& content) {
    std::istringstream in(content);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return std::nullopt;
    Tree tree;
    std::string current;
    bool haveKey = false;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::string_view rest(line);
        const auto space = rest.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::string_view kind = rest.substr(0, space);
        rest.remove_prefix(space + 1);
        auto name = Unquote(rest);
        if (!name)
            return std::nullopt;
        if (kind == "key") {
            if (!rest.empty())
                return std::nullopt;
            current = NormalizeKey(*name);
            CreateKeyIn(tree, current);
            haveKey = !current.empty();
            continue;
        }
        if (!haveKey || rest.empty() || rest.front() != ' ')
            return std::nullopt;
        rest.remove_prefix(1);
        auto value = ParseValue(kind, rest);
        if (!value)
            return std::nullopt;
        SetValueIn(tree, current, *name, *value);
    }
    return tree;
}

enum class FileState { Absent, Read, Damaged };

FileState ReadTree(const std::filesystem::path& file, Tree& tree) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return FileState::Absent;
    std::ifstream in(file, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(file, ec))
        return FileState::Damaged;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return FileState::Damaged;
    auto parsed = Parse(content.str());
    if (!parsed)
        return FileState::Damaged;
    tree = std::move(*parsed);
    return FileState::Read;
}

// Moves a damaged store out of the way under a free name; returns the French notice and
// whether the store may be written.
std::pair<std::string, bool> SetAside(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path aside = file.string() + ".endommage";
    for (int n = 2; std::filesystem::exists(aside, ec); ++n)
        aside = file.string() + ".endommage-" + std::to_string(n);
    std::filesystem::rename(file, aside, ec);
    if (ec)
        return {"Le fichier des paramètres \"" + file.string() +
                    "\" est illisible et n'a pas pu être mis de côté : les paramètres par "
                    "défaut s'appliquent et ne seront pas enregistrés.",
                false};
    return {"Le fichier des paramètres \"" + file.string() +
                "\" était illisible : il a été mis de côté sous le nom \"" + aside.string() +
                "\" et les paramètres par défaut s'appliquent.",
            true};
}

[[noreturn]] void FailToSave(const std::filesystem::path& file, int error) {
    throw QuintaroError("Impossible d'enregistrer les paramètres dans \"" + file.string() +
                        "\" : " + std::strerror(error));
}

void WriteAll(int fd, const std::string& data, const std::filesystem::path& file) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            FailToSave(file, errno);
        done += static_cast<std::size_t>(n);
    }
}

void SyncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {
    if (ReadTree(file_, tree_) == FileState::Damaged)
        std::tie(damageNotice_, writable_) = SetAside(file_);
}

const SettingsStore::Key* SettingsStore::Find(std::string_view key) const {
    auto it = tree_.find(AsciiLower(NormalizeKey(key)));
    return it == tree_.end() ? nullptr : &it->second;
}

bool SettingsStore::KeyExists(std::string_view key) const {
    return Find(key) != nullptr;
}

void SettingsStore::Change(std::function<void(Tree&)> change) {
    change(tree_);
    pending_.push_back(std::move(change));
}

void SettingsStore::CreateKey(std::string_view key) {
    Change([path = NormalizeKey(key)](Tree& t) { CreateKeyIn(t, path); });
}

bool SettingsStore::DeleteKey(std::string_view key) {
    if (!KeyExists(key))
        return false;
    Change([path = NormalizeKey(key)](Tree& t) { DeleteKeyIn(t, path); });
    return true;
}

std::vector<std::string> SettingsStore::SubKeyNames(std::string_view key) const {
    std::vector<std::string> names;
    const std::string prefix = AsciiLower(NormalizeKey(key)) + '\\';
    for (auto it = tree_.lower_bound(prefix);
         it != tree_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        std::string_view rest = std::string_view(it->second.path).substr(prefix.size());
        if (rest.find('\\') == std::string_view::npos)
            names.emplace_back(rest);
    }
    return names;
}

bool SettingsStore::ValueExists(std::string_view key, std::string_view name) const {
    return TypeOf(key, name).has_value();
}

std::optional<SettingsStore::Type> SettingsStore::TypeOf(std::string_view key,
                                                         std::string_view name) const {
    const Key* k = Find(key);
    if (!k)
        return std::nullopt;
    auto it = k->values.find(AsciiLower(name));
    if (it == k->values.end())
        return std::nullopt;
    return static_cast<Type>(it->second.second.index());
}

bool SettingsStore::DeleteValue(std::string_view key, std::string_view name) {
    if (!ValueExists(key, name))
        return false;
    Change([path = AsciiLower(NormalizeKey(key)), folded = AsciiLower(name)](Tree& t) {
        if (auto it = t.find(path); it != t.end())
            it->second.values.erase(folded);
    });
    return true;
}

const Value& SettingsStore::Get(std::string_view key, std::string_view name, Type expected) const {
    if (const Key* k = Find(key)) {
        if (auto it = k->values.find(AsciiLower(name)); it != k->values.end()) {
            if (it->second.second.index() != static_cast<std::size_t>(expected))
                throw QuintaroError(FormatMessage(kWrongType, name));
            return it->second.second;
        }
    }
    throw QuintaroError(FormatMessage(kMissingValue, name));
}

std::int32_t SettingsStore::ReadInteger(std::string_view key, std::string_view name) const {
    return static_cast<std::int32_t>(std::get<std::uint32_t>(Get(key, name, Type::Dword)));
}

std::vector<std::uint8_t> SettingsStore::ReadBinary(std::string_view key,
                                                    std::string_view name) const {
    return std::get<std::vector<std::uint8_t>>(Get(key, name, Type::Binary));
}

std::string SettingsStore::ReadString(std::string_view key, std::string_view name) const {
    return std::get<std::string>(Get(key, name, Type::String));
}

void SettingsStore::WriteInteger(std::string_view key, std::string_view name, std::int32_t value) {
    Change([path = NormalizeKey(key), n = std::string(name),
            v = Value(static_cast<std::uint32_t>(value))](Tree& t) { SetValueIn(t, path, n, v); });
}

void SettingsStore::WriteBinary(std::string_view key, std::string_view name,
                                const std::vector<std::uint8_t>& value) {
    Change([path = NormalizeKey(key), n = std::string(name), v = Value(value)](Tree& t) {
        SetValueIn(t, path, n, v);
    });
}

void SettingsStore::WriteString(std::string_view key, std::string_view name,
                                std::string_view value) {
    Change([path = NormalizeKey(key), n = std::string(name),
            v = Value(std::string(value))](Tree& t) { SetValueIn(t, path, n, v); });
}

std::filesystem::path SettingsStore::TemporaryPath() const {
    return file_.string() + ".tmp";
}

SettingsStore::PendingSave SettingsStore::PrepareSave() {
    if (!writable_)
        throw QuintaroError(damageNotice_);
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (ec)
        FailToSave(file_, ec.value());

    // Saves of two instances are serialised by a lock beside the store.
    const std::string lockPath = file_.string() + ".lock";
    int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0)
        FailToSave(file_, errno);
    PendingSave pending(*this, lockFd);
    while (::flock(lockFd, LOCK_EX) != 0 && errno == EINTR) {
    }

    merged_.clear();
    if (ReadTree(file_, merged_) == FileState::Damaged) {
        merged_.clear();
        auto [notice, movable] = SetAside(file_);
        if (!movable)
            throw QuintaroError(notice);
    }
    for (auto& change : pending_)
        change(merged_);

    const std::filesystem::path temp = TemporaryPath();
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        FailToSave(file_, errno);
    try {
        WriteAll(fd, Serialize(merged_), file_);
        if (::fsync(fd) != 0)
            FailToSave(file_, errno);
    } catch (...) {
        ::close(fd);
        std::filesystem::remove(temp, ec);
        throw;
    }
    if (::close(fd) != 0)
        FailToSave(file_, errno);
    return pending;
}

SettingsStore::PendingSave::PendingSave(SettingsStore& store, int lockFd)
    : store_(&store), lockFd_(lockFd) {}

SettingsStore::PendingSave::PendingSave(PendingSave&& other) noexcept
    : store_(other.store_), lockFd_(other.lockFd_), committed_(other.committed_) {
    other.lockFd_ = -1;
    other.committed_ = true;
}

SettingsStore::PendingSave::~PendingSave() {
    if (!committed_) {
        std::error_code ec;
        std::filesystem::remove(store_->TemporaryPath(), ec);
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void SettingsStore::PendingSave::Commit() {
    if (std::rename(store_->TemporaryPath().c_str(), store_->file_.c_str()) != 0)
        FailToSave(store_->file_, errno);
    committed_ = true;
    SyncDirectory(store_->file_.parent_path());
    store_->tree_ = std::move(store_->merged_);
    store_->pending_.clear();
}

} // namespace quintaro
