#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quintaro::test {

struct ZipEntry {
    std::string name;
    std::string data;
    bool stored = false;       // no compression, so that the test can reach the bytes
    std::string password = {}; // encrypted when set
};

// A real archive made with libzip, returned as its bytes.
std::string MakeZip(const std::vector<ZipEntry>& entries, const std::string& comment = "");

// An archive made by hand: a central directory of these headers and its end record, nothing
// else. For tests of the directory reading.
struct RawHeader {
    std::string name;
    std::uint16_t versionMadeBy = 20;
    std::size_t extraLength = 0;
};
std::string RawDirectoryZip(const std::vector<RawHeader>& headers);

} // namespace quintaro::test
