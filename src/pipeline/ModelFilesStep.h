#pragma once
// Step 8 of the batch tool: the CREAMS, LEACHM and MACRO files, each written only when
// its file is named, through the same commands as the dialogs' buttons.
#include <optional>
#include <string>

#include "pipeline/ConsoleUserInterface.h"
#include "pipeline/OptionWords.h"
#include "workbench/Workbench.h"

namespace etp {

struct ModelFileOptions {
    std::string creamsTr, creamsRain;
    std::string leachmRain, leachmEtp, leachmEt, leachmDates = kLeachmDatesWords.first, leachmN = "0,0.1,1";
    std::string macroRain, macroEtp, macroEt;
};

// What is wrong with the options (a usage error), before anything is read.
std::optional<std::string> CheckModelFileOptions(const ModelFileOptions& options);

// CREAMS (T and Rad, then rain), then LEACHM (rain, then ET), then MACRO (rain, then ET).
// False when a command ended with a message; the files written before it stay. A day
// without its temperature or radiation is told but stops only a run asking for T and Rad.
bool WriteModelFiles(const Workbench& workbench, const ModelFileOptions& options, ConsoleUserInterface& ui);

} // namespace etp
