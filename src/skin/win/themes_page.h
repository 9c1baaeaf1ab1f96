#pragma once
// The settings window's "Темы" page: the installed skins as found by the
// background search, a preview of the one clicked, accepting one (double
// click or "Принять скин") onto the clock and into skin.cfg, and the skin
// in use by name and path. A ".tks" dropped on the clock is installed here.
#include <optional>
#include <string>
#include <vector>

#include "settings/win/template_page.h"
#include "skin/picture.h"
#include "skin/skin_list.h"
#include "skin/win/find_skin_thread.h"
#include "skin/win/skin_switch.h"

namespace tikolvo {

class ThemesPage final : public TemplatePage {
 public:
  ThemesPage(SettingsStore& store, SkinSwitch& clock);

  // Offers the archive as a skin: asks, copies it into skins\ under a name
  // of its own and accepts it as "Принять скин" does. A damaged archive is
  // refused with a notice and nothing is copied. owner: the questions'
  // window.
  void InstallDroppedSkin(HWND owner, const std::string& path);
  // The first showing of the settings window starts the search: a search
  // thread at every start would cost memory for a list rarely looked at.
  void Opening() override;

 private:
  void Created() override;
  bool Command(int id, int code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;

  void BREFClick();
  void LBSkinsClick();
  void LBSkinsDblClick() { AcceptSelected(SkinAcceptedBy::DoubleClick); }
  void B_prin_skinClick() { AcceptSelected(SkinAcceptedBy::Button); }
  void LBSkinsDrawItem(const DRAWITEMSTRUCT& item);
  void DrawPreview(const DRAWITEMSTRUCT& item);

  void StartSearch();
  void ShowFound(const std::vector<std::string>& entries);
  std::optional<SkinListEntry> SelectedEntry() const;
  void AcceptSelected(SkinAcceptedBy by);
  void Accept(const SkinListEntry& entry, SkinAcceptedBy by);
  void ShowCurrent(const std::string& name, const std::string& path);
  std::optional<std::string> CopyIntoSkins(const std::string& name, const std::string& bytes);

  SkinSwitch& clock_;
  SkinSearchReceiver search_;
  std::optional<Picture> preview_;
  HWND tips_ = nullptr;
  bool searched_ = false;
};

}  // namespace tikolvo
