#pragma once
// A formula met an argument outside its domain (division by zero, square root or
// logarithm of a negative number, overflow). Commands catch it and report the row.
#include <stdexcept>
#include <string>

namespace etp {

class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace etp
