#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quintaro {

// The per-user settings store: a tree of keys ("\Software\VELMORA\QUINTARO\GRILLES\LOTO")
// holding typed values, kept in one text file. Key and value names keep their letter case
// but are found without regard to it. Changes live in memory until Save, which merges them
// into the file as it then stands on disk and replaces the file atomically, so a crash never
// leaves a half-written store and a second instance's saved changes are not undone.
class SettingsStore {
public:
    enum class Type { Dword, Binary, String };
    using Value = std::variant<std::uint32_t, std::vector<std::uint8_t>, std::string>;

    explicit SettingsStore(std::filesystem::path file);

    // Set when the file could not be read at opening: it was set aside (or, failing that,
    // the store refuses to save over it); the text says so in French. Empty otherwise.
    const std::string& DamageNotice() const { return damageNotice_; }
    const std::filesystem::path& FilePath() const { return file_; }

    bool KeyExists(std::string_view key) const;
    void CreateKey(std::string_view key);
    // Deletes the key with all its subkeys; false when it does not exist.
    bool DeleteKey(std::string_view key);
    std::vector<std::string> SubKeyNames(std::string_view key) const;

    bool ValueExists(std::string_view key, std::string_view name) const;
    std::optional<Type> TypeOf(std::string_view key, std::string_view name) const;
    bool DeleteValue(std::string_view key, std::string_view name);

    // Reading a missing value fails with "Echec à l'obtention des données pour '%s'", a
    // value of another type with "Type de données incorrect pour '%s'".
    std::int32_t ReadInteger(std::string_view key, std::string_view name) const;
    std::vector<std::uint8_t> ReadBinary(std::string_view key, std::string_view name) const;
    std::string ReadString(std::string_view key, std::string_view name) const;

    // Writing creates the key when needed.
    void WriteInteger(std::string_view key, std::string_view name, std::int32_t value);
    void WriteBinary(std::string_view key, std::string_view name,
                     const std::vector<std::uint8_t>& value);
    void WriteString(std::string_view key, std::string_view name, std::string_view value);

    // The two halves of Save: Prepare writes and syncs the new file beside the store, Commit
    // renames it over the store. Until the commit the store on disk is the old one.
    class PendingSave {
    public:
        PendingSave(PendingSave&&) noexcept;
        PendingSave& operator=(PendingSave&&) = delete;
        ~PendingSave();
        void Commit();

    private:
        friend class SettingsStore;
        PendingSave(SettingsStore& store, int lockFd);
        SettingsStore* store_;
        int lockFd_;
        bool committed_ = false;
    };
    PendingSave PrepareSave();
    void Save() { PrepareSave().Commit(); }

    struct Key {
        std::string path; // as first written, without the leading separator
        std::map<std::string, std::pair<std::string, Value>> values; // folded name -> (name, value)
    };
    using Tree = std::map<std::string, Key>; // folded path -> key

private:
    const Key* Find(std::string_view key) const;
    const Value& Get(std::string_view key, std::string_view name, Type expected) const;
    void Change(std::function<void(Tree&)> change);
    std::filesystem::path TemporaryPath() const;

    std::filesystem::path file_;
    Tree tree_;
    Tree merged_; // the tree a prepared save writes
    std::vector<std::function<void(Tree&)>> pending_;
    std::string damageNotice_;
    bool writable_ = true;
};

} // namespace quintaro
