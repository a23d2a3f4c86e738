#pragma once

#include <string>

namespace quintaro {

// The version strings of the executables, set by the build.
std::string GetFileVersion();
std::string GetInternalName();
std::string GetLegalCopyright();

} // namespace quintaro
