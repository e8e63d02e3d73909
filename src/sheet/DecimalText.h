#pragma once
#include <string>

namespace etp {

// A number written back into a cell: the shortest decimal text of at most 15
// significant digits, "." as decimal mark ("52.4", never "52.400000000000006"),
// an exponent only for very large or small numbers ("1E+20").
std::string DecimalText(double value);

} // namespace etp
