#pragma once
// The chart of a crop water balance: the depletion of the root zone at the end of each
// day against RAW and TAW on the left axis, rain and net irrigation as bars hanging from
// the top on an axis of their own, as the Chart window draws rain.
#include <memory>

class QChart;

namespace etp {

struct CropBalance;

// The chart of the balance's days; the caller owns it.
std::unique_ptr<QChart> BuildCropBalanceChart(const CropBalance& balance);

} // namespace etp
