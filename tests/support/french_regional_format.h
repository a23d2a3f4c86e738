#pragma once

#include "gui/ui/regional_format.h"

#include <QLocale>

namespace quintaro::test {

// The views' regional format is French for the life of the object, as on a French desktop;
// the program's own choice comes back after.
class FrenchRegionalFormat {
public:
    FrenchRegionalFormat() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    ~FrenchRegionalFormat() { QLocale::setDefault(RegionalLocale()); }
    FrenchRegionalFormat(const FrenchRegionalFormat&) = delete;
    FrenchRegionalFormat& operator=(const FrenchRegionalFormat&) = delete;
};

} // namespace quintaro::test
