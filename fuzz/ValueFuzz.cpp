// libFuzzer target: any text as a number cell and as a date cell. A date that is found
// must be a day of the calendar; a number is never NaN.
//   fuzz/run.sh value [SECONDS]
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::isnan(etp::NumericValue(text))) std::abort();
    if (const auto date = etp::DateParts(text)) {
        static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (date->Month < 1 || date->Month > 12 || date->Day < 1 || date->Day > kDays[date->Month - 1]) std::abort();
    }
    return 0;
}
