#pragma once
// How the program reports a failure: three ways, each for its own kind of work.
//
// 1. An operation over the sheet (Compute, irrigation, the crop balance, a model file's
//    table) answers an Outcome (base/Outcome.h): done, refused before anything changed,
//    or stopped at a row with the rows before it kept.
// 2. A check answers std::optional<std::string>, the problem or nullopt. A function that
//    makes a value (a reader, a fit) answers std::optional<T> with the reason in a
//    `std::string& failure` (bool when it makes no value, as a chart drawn to a file); a
//    reader that is an object answers false and keeps its failure().
// 3. A computation deep in a loop over the days that cannot go on throws a Refusal, below.
//    The operation that owns the loop catches it and answers its Outcome; while a file is
//    being written, the one save function (workbench/SaveTextFile.h) shows it and keeps
//    the file that was there. No Refusal reaches a front end.
//
// Only workbench/ turns any of them into words for the person, through UserInterface; a
// command has told the person by the time it returns, so it answers only how it ended
// (false, or an enum where a front end does more in one case than in another).
#include <stdexcept>
#include <string>

namespace etp {

// The text is the message for the person, or the part of it that names the cause.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(const std::string& text) : std::runtime_error(text) {}
};

// A formula met an argument outside its domain (division by zero, square root or
// logarithm of a negative number, overflow); the text names the formula.
class ArithmeticError : public Refusal {
public:
    using Refusal::Refusal;
};

// Data a model file's layout cannot hold; the text is the whole message. Nothing is written.
class RefusedInput : public Refusal {
public:
    using Refusal::Refusal;
};

// A cell a model file reads holds no value (IsMissingValue); the text names the cell.
class MissingInput : public RefusedInput {
public:
    using RefusedInput::RefusedInput;
};

// A row whose date is not a date; the text is the whole message.
class UnreadableDate : public Refusal {
public:
    using Refusal::Refusal;
};

} // namespace etp
