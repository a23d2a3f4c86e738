#pragma once

#include "core/base/new_file.h"

#include <string>

namespace quintaro {

// Path helpers of the update. This platform's separator is "/", and its paths need no
// extended-length form.

// p cut before its last "." when no separator follows that dot, then e appended.
std::string ChangeExtension(const std::string& p, const std::string& e);
// The characters after the last separator (all of p when there is none).
std::string NamePart(const std::string& p);
// From the last "." (included) to the end when no separator follows it; otherwise empty.
std::string ExtensionPart(const std::string& p);
// Whether a file (not a folder) lies at p.
bool FileExistsLongPath(const std::string& p);
// Deletes the file at p; true when it was deleted.
bool DeleteLongPath(const std::string& p);

} // namespace quintaro
