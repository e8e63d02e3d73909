#pragma once
// The sheet holds UTF-8 bytes; Qt shows QString.
#include <QString>
#include <string_view>

namespace etp {

inline QString FromBytes(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace etp
