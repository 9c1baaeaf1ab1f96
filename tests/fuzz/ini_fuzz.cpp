// Any bytes as config.cfg: parsing, saving and parsing again must not crash,
// a second save must give the same bytes as the first, and reading and
// writing the whole settings key set must work on whatever was parsed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ini_document.h"
#include "settings/power_config.h"
#include "settings/settings_model.h"
#include "settings/skin_choice.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tikolvo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  IniDocument document = IniDocument::Parse(bytes);
  const std::string saved = document.Serialize();
  Check(IniDocument::Parse(saved).Serialize() == saved);

  SettingsContext context;
  context.programFolder = "C:\\Tikolvo\\";
  context.today = 39435;
  const Settings settings = ReadSettings(document, context);
  (void)ReadWindowPosition(document, context);
  (void)ReadCurrentSkin(document, context.programFolder);
  (void)ReadPowerButtonAction(document);

  // Writing the whole set into whatever was there, then reading it back,
  // gives the same settings again.
  WriteSettings(settings, document);
  IniDocument reread = IniDocument::Parse(document.Serialize());
  context.messageAllExists = true;
  Settings again = ReadSettings(reread, context);
  again.reminders.externalBase = settings.reminders.externalBase;
  Check(again.inter.opacity == settings.inter.opacity);
  Check(again.pos == settings.pos);
  Check(again.panelMenuVisible == settings.panelMenuVisible);
  return 0;
}
