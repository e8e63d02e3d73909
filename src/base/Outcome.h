#pragma once
// What an operation of the sheet, the methods, the model files, irrigation or the
// analysis tells its caller: done, refused before anything changed, or stopped at a
// row with what was written before that row kept. Only the workbench commands turn
// it into words for the person (a message box, a line on stderr).
#include <string>
#include <utility>

#include "base/UserInterface.h"

namespace etp {

struct Outcome {
    enum class Kind { Done, Refused, Stopped };

    Kind kind = Kind::Done;
    std::string message; // what to tell the person; may be empty, also when done
    Icon icon = Icon::None;
    int row = 0;         // the row a stop happened at

    static Outcome Done(std::string note = {}, Icon icon = Icon::None)
    {
        return {Kind::Done, std::move(note), icon, 0};
    }
    static Outcome Refused(std::string message, Icon icon = Icon::Critical)
    {
        return {Kind::Refused, std::move(message), icon, 0};
    }
    static Outcome StoppedAt(int row, std::string message, Icon icon = Icon::Critical)
    {
        return {Kind::Stopped, std::move(message), icon, row};
    }

    bool done() const { return kind == Kind::Done; }
};

} // namespace etp
