#include "workbench/Workbench.h"

#include "workbench/SettingCommands.h"

namespace etp {

Workbench::Workbench()
{
    for (int c = 0; c <= 20; ++c) sheet.setCaption(c, std::to_string(c));
    statusPanels[0] = "working file: none";
    ShowStationInStatusBar(*this);
}

} // namespace etp
