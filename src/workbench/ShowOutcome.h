#pragma once
// An operation's outcome as a message box: its message, when it has one, under the
// icon of its gravity.
#include "base/Messages.h"
#include "base/Outcome.h"
#include "base/UserInterface.h"

namespace etp {

inline Icon IconOf(Outcome::Gravity gravity)
{
    switch (gravity) {
    case Outcome::Gravity::Note: return Icon::None;
    case Outcome::Gravity::Warning: return Icon::Exclamation;
    case Outcome::Gravity::Error: return Icon::Critical;
    }
    return Icon::Critical;
}

inline void ShowOutcome(const Outcome& outcome, UserInterface& ui)
{
    if (!outcome.message.empty()) ui.message(outcome.message, kApplicationTitle, IconOf(outcome.gravity));
}

} // namespace etp
