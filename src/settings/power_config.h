#pragma once
// The action of the power button on the clock face, chosen by hand in
// config.ini (section "Power", key "type") beside the program; the program
// never writes that file.
#include <string_view>

#include "common/ini_document.h"

namespace tikolvo {

enum class PowerButtonAction { None, PowerOff, Restart, Hibernate, Standby };

// 0 power off, 1 restart, 2 hibernate, 3 standby; anything else none.
PowerButtonAction PowerButtonActionFromType(int type);

// A missing file or key means 0 (power off).
PowerButtonAction ReadPowerButtonAction(const IniDocument& configIni);
PowerButtonAction ReadPowerButtonActionFile(const std::string& configIniPath);

// The Yes/No question asked before the action; empty for None.
std::string_view PowerButtonQuestion(PowerButtonAction action);

}  // namespace tikolvo
