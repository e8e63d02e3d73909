#pragma once
// What an operation of the sheet, the methods, the model files, irrigation or the
// analysis tells its caller: done, refused before anything changed, or stopped at a
// row with what was written before that row kept. Only the workbench commands turn
// it into words for the person (a message box, a line on stderr), and its gravity into
// the box's icon.
#include <string>
#include <utility>

namespace etp {

struct Outcome {
    enum class Kind { Done, Refused, Stopped };
    // How grave the message is: a note, a warning (something the person can put right
    // in a box or a choice) or an error.
    enum class Gravity { Note, Warning, Error };

    Kind kind = Kind::Done;
    std::string message; // what to tell the person; may be empty, also when done
    Gravity gravity = Gravity::Note;
    int row = 0;         // the row a stop happened at

    static Outcome Done(std::string note = {}, Gravity gravity = Gravity::Note)
    {
        return {Kind::Done, std::move(note), gravity, 0};
    }
    static Outcome Refused(std::string message, Gravity gravity = Gravity::Error)
    {
        return {Kind::Refused, std::move(message), gravity, 0};
    }
    static Outcome StoppedAt(int row, std::string message) { return {Kind::Stopped, std::move(message), Gravity::Error, row}; }

    bool done() const { return kind == Kind::Done; }
};

} // namespace etp
