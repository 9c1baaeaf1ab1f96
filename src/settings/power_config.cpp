#include "settings/power_config.h"

namespace tikolvo {

PowerButtonAction PowerButtonActionFromType(int type) {
  switch (type) {
    case 0: return PowerButtonAction::PowerOff;
    case 1: return PowerButtonAction::Restart;
    case 2: return PowerButtonAction::Hibernate;
    case 3: return PowerButtonAction::Standby;
    default: return PowerButtonAction::None;
  }
}

PowerButtonAction ReadPowerButtonAction(const IniDocument& configIni) {
  return PowerButtonActionFromType(configIni.ReadInteger("Power", "type", 0));
}

PowerButtonAction ReadPowerButtonActionFile(const std::string& configIniPath) {
  return ReadPowerButtonAction(LoadIniFile(configIniPath));
}

std::string_view PowerButtonQuestion(PowerButtonAction action) {
  switch (action) {
    case PowerButtonAction::PowerOff: return "Выключить компьютер?";
    case PowerButtonAction::Restart: return "Перезагрузить компьютер?";
    case PowerButtonAction::Hibernate: return "Активировать спящий режим?";
    case PowerButtonAction::Standby: return "Активировать ждущий режим?";
    case PowerButtonAction::None: break;
  }
  return {};
}

}  // namespace tikolvo
