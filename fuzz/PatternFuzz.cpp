// libFuzzer target: number patterns and the blanking of leading zeros, as every model
// file writes its fields. Patterns of "0" places are checked against a slow reference
// that rounds the number's 15-digit decimal form by hand; any pattern must give the
// same field through the one-pass blanking as through the two steps, and a number item
// must read back as the number's 15-digit form.
//   fuzz/run.sh pattern [SECONDS]
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "FuzzSupport.h"
#include "base/Refusal.h"
#include "models/FixedWidth.h"

namespace {

// |value| rounded to `decimals` places, halves away from zero, on its 15-significant-digit
// decimal form; the integer part at least `integerZeros` digits wide.
std::string ReferenceText(double value, int integerZeros, bool point, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::string digits;
    digits += text[0];
    digits.append(text + 2, 14);
    const int exponent = std::atoi(text + 17);
    // digits[i] stands for 10^(exponent - i); the last place kept is 10^-decimals.
    const int keep = exponent + 1 + decimals;
    std::string kept;
    if (std::fabs(value) != 0 && keep >= 0) {
        kept = keep >= 15 ? digits + std::string(static_cast<std::size_t>(keep - 15), '0') : digits.substr(0, static_cast<std::size_t>(keep));
        if (keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0)
                ++kept[static_cast<std::size_t>(i)];
            else
                kept.insert(kept.begin(), '1');
        }
    }
    // Without the leading zeros, kept is the rounded number times 10^decimals.
    const auto first = kept.find_first_not_of('0');
    kept = first == std::string::npos ? std::string() : kept.substr(first);
    if (kept.size() < static_cast<std::size_t>(decimals)) kept.insert(0, static_cast<std::size_t>(decimals) - kept.size(), '0');
    std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    if (integer.size() < static_cast<std::size_t>(integerZeros))
        integer.insert(0, static_cast<std::size_t>(integerZeros) - integer.size(), '0');
    return integer + (point ? "." : "") + kept.substr(kept.size() - static_cast<std::size_t>(decimals));
}

double FuzzedValue(FuzzedDataProvider& in)
{
    static const double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeFloatingPoint<double>();
    case 1: return static_cast<double>(in.ConsumeIntegral<std::int32_t>()) / kScale[in.ConsumeIntegralInRange(0, 7)];
    case 2: // a half at some decimal place, the case rounding gets wrong
        return (static_cast<double>(in.ConsumeIntegral<std::int32_t>()) + 0.5) / kScale[in.ConsumeIntegralInRange(0, 7)];
    default: return in.ConsumeFloatingPointInRange<double>(-1000, 1000);
    }
}

void CheckZeroPattern(FuzzedDataProvider& in)
{
    const int integerZeros = in.ConsumeIntegralInRange(0, 12);
    const bool point = in.ConsumeBool();
    const int decimals = point ? in.ConsumeIntegralInRange(0, 20) : 0;
    const double value = FuzzedValue(in);
    const std::string pattern =
        std::string(static_cast<std::size_t>(integerZeros), '0') + (point ? "." : "") + std::string(static_cast<std::size_t>(decimals), '0');
    if (pattern.empty() || !std::isfinite(value)) return;
    const std::string text = etp::PatternText(value, pattern);
    const std::string expected = ReferenceText(value, integerZeros, point, decimals);
    const std::string unsignedText = value < 0 ? text.substr(1) : text;
    if ((value < 0 && text[0] != '-') || unsignedText != expected)
        etp::fuzz::Fail("pattern text", pattern + " " + std::to_string(value) + ": " + text + " expected " + expected);
}

void CheckAnyPattern(FuzzedDataProvider& in)
{
    const double value = FuzzedValue(in);
    const std::string pattern = in.ConsumeRandomLengthString(24);
    std::string text;
    try {
        text = etp::PatternText(value, pattern);
    } catch (const std::invalid_argument&) {
        return;
    } catch (const etp::ArithmeticError&) {
        if (std::isfinite(value)) etp::fuzz::Fail("a finite number refused");
        return;
    }
    const std::string blanked = etp::FixedWidthText(text);
    if (blanked.size() != text.size()) etp::fuzz::Fail("blanking changed the width");
    std::string oneStep;
    etp::NumberPattern(pattern).appendFixedWidth(oneStep, value);
    if (oneStep != blanked) etp::fuzz::Fail("one-pass blanking", "\"" + oneStep + "\" against \"" + blanked + "\"");
}

void CheckNumberItem(FuzzedDataProvider& in)
{
    const double value = FuzzedValue(in);
    if (!std::isfinite(value)) return;
    std::string item;
    etp::AppendNumberItem(item, value);
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15g", std::fabs(value));
    if (item.size() < 3 || item.back() != ' ' || (item[0] == '-') != (value < 0))
        etp::fuzz::Fail("number item shape", item);
    if (std::strtod(item.c_str() + 1, nullptr) != std::strtod(reference, nullptr))
        etp::fuzz::Fail("number item value", item + " against " + reference);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckZeroPattern(in); break;
    case 1: CheckAnyPattern(in); break;
    default: CheckNumberItem(in); break;
    }
    return 0;
}
