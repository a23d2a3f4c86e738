#pragma once

#include <stdexcept>
#include <string>

namespace quintaro {

// A failure whose message is the French text shown to the user as it stands.
class QuintaroError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quintaro
