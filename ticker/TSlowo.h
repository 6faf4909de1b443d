#pragma once

#include "FixedString.h"

// One entry of the word list.
struct TSlowo {
    FixedString<200> Polski;
    FixedString<200> Angielski;
    FixedString<50> KategoriaSlowa;
};
