#pragma once

#include <clocale>
#include <string>

namespace quintaro::test {

// Sets the C library's locale to French for the life of the object, as the desktop program
// does from a French environment: "," becomes the decimal separator of printf and strtod.
class FrenchLocale {
public:
    FrenchLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    }
    ~FrenchLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    FrenchLocale(const FrenchLocale&) = delete;
    FrenchLocale& operator=(const FrenchLocale&) = delete;

    // False when the locale is not generated on this machine (scripts/setup generates it).
    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

} // namespace quintaro::test
