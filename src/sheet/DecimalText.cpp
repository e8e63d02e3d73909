#include "sheet/DecimalText.h"

#include <cstdio>

namespace etp {

std::string DecimalText(double value)
{
    if (value == 0) value = 0; // no "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

} // namespace etp
