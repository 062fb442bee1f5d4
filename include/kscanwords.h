#pragma once

#include "kcore_global.h"

#include <cstdint>

namespace Ky {

// The controller's scan word tables: for each priority mode (0..2), grey level (7..15),
// luminance level (0..2) and refresh multiplication class (0..3 for R_Acc 2, 4, 8, 16) one
// row of 256 words. Built once, on first use, from the rule described in kscanwords.cpp.
class KCORE_EXPORT KScanWords
{
public:
    static constexpr int RowWords = 256;
    static constexpr int RowsPerMode = 108;

    struct Entry
    {
        uint16_t S_Fn;
        uint16_t B_fn;
        uint16_t OE_T;
    };

    // The scan parameter triple; null when an index is out of range.
    static const Entry* Parameters(int priorityMode, int grayLevel, int luminanceLevel);
    // The row at `index` (raccClass + 4 * (luminanceLevel + 3 * (grayLevel - 7))) of a
    // priority mode's table; null when out of range.
    static const uint16_t* Row(int priorityMode, int index);
};

} // namespace Ky
