#pragma once

namespace Ky {

// Firmware version of a controller: four parts and the build number.
struct KVersion
{
    unsigned int a = 0;
    unsigned int b = 0;
    unsigned int c = 0;
    unsigned int d = 0;
    int build = 0;
};

} // namespace Ky
