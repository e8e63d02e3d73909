#include "base/UserInterface.h"

namespace etp {

BusyPointer::BusyPointer(UserInterface& ui, Pointer kind) : ui_(ui), previous_(ui.pointer())
{
    ui_.setPointer(kind);
}

BusyPointer::~BusyPointer()
{
    ui_.setPointer(previous_);
}

} // namespace etp
