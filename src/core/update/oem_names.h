#pragma once

#include <string>

namespace quintaro {

// Entry names written by DOS and Windows archivers are in the OEM code page (437); the program
// keeps single-byte names in the Windows code page (1252). Characters that code page lacks
// become "_".
std::string OemToAnsi(const std::string& oem);

} // namespace quintaro
