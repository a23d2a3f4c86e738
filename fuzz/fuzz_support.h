#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace quintaro::fuzz {

// A folder of the fuzzing process's own under the temporary folder, made at its first use and
// removed when the process ends normally.
const std::filesystem::path& Workspace();

// Replaces the file with the input's bytes.
void WriteInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size);

// Empties a folder of the workspace, making it when needed.
void EmptyFolder(const std::filesystem::path& folder);

// An invariant of the code under test: when it does not hold the run stops, and libFuzzer
// keeps the input as a crash.
void Require(bool condition, const char* what);

} // namespace quintaro::fuzz
