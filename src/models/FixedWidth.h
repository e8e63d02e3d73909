#pragma once
// Numbers as the model files write them: a number pattern ("0", "#", ".", blanks, "-",
// ";" between a section for positive numbers and zero and one for negatives), then
// the leading zeros blanked so that the field keeps its width.
#include <string>
#include <string_view>

namespace etp {

// Line ends of the model files: CR LF, and the form with an explicit CR written first
// that the CREAMS files have.
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kExplicitCrLineEnd = "\r\r\n";

class NumberPattern {
public:
    // Literals (blanks, "-") may stand before or after the digits of a section, not
    // among them. A third section is ignored.
    explicit NumberPattern(std::string_view pattern);

    // The pattern text: the absolute value rounded to the section's decimals, halves
    // away from zero as the number reads to 15 significant digits (4.35 gives 4.4
    // although its binary value lies just below); the field grows for a number with
    // more integer digits than placeholders. With one section a negative number gets
    // a "-" before its digits. A value that is not finite is an ArithmeticError.
    void append(std::string& out, double value) const;
    // The same with its leading zeros blanked (FixedWidthText).
    void appendFixedWidth(std::string& out, double value) const;

private:
    struct Section {
        std::string prefix;          // literals before the digits
        std::string suffix;          // literals after them
        int integerZeros = 0;        // integer digits always written
        bool point = false;
        std::string decimals;        // the placeholders after the point, "0" or "#"
    };
    static Section Parse(std::string_view text);

    Section positive_;
    Section negative_;
    bool twoSections_ = false;
};

std::string PatternText(double value, std::string_view pattern);

// Leading-zero blanking: a text whose numeric value is negative stays as it is; any
// other loses every "0" at its start to a blank. The length never changes.
std::string FixedWidthText(std::string_view text);

std::string FixedWidthNumber(double value, std::string_view pattern);

// A number the way a number item is written to a file: shortest decimal form of at most
// 15 significant digits (leading zero kept, "0.1"), a blank or "-" before it and a blank
// after it: " 0.1 ", "-2 ".
void AppendNumberItem(std::string& out, double value);

} // namespace etp
