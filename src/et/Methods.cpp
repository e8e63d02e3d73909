#include "et/Methods.h"

#include <string_view>

namespace etp {

int MethodOfLabel(const char* label)
{
    for (int k = 0; k < kMethodCount; ++k)
        if (std::string_view(label) == kResultLabels[static_cast<std::size_t>(k)]) return k;
    return -1;
}

} // namespace etp
