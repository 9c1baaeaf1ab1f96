#pragma once
// "Календарь": the look of the calendar drawn onto the wallpaper, its
// preview over the right part of the base picture, and the templates that
// keep a look under a name.
#include <string>
#include <vector>

#include "common/clock.h"
#include "reminders/calendar_template.h"
#include "reminders/win/calendar_canvas.h"
#include "reminders/win/wallpaper_preview.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopCalendarPage final : public TemplatePage {
 public:
  DesktopCalendarPage(SettingsStore& store, const WallpaperPreview& wallpaper, const Clock& clock);

  void Entered() override { B_cal_prevClick(); }
  // B_cal_prevClick: draws the preview again from the current settings.
  void B_cal_prevClick();

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  bool Notify(const NMHDR& header, LRESULT& result) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void CheckChanged(int, bool) override { B_cal_prevClick(); }
  void ColourChanged(int) override { B_cal_prevClick(); }

  void CBFClick();
  void CB_shablonClick();
  void SB_reapClick();
  void B_saveshablon_calClick();
  void CBFDrawItem(const DRAWITEMSTRUCT& item) const;
  void CB_shablonDrawItem(const DRAWITEMSTRUCT& item) const;
  void DrawPreview(const DRAWITEMSTRUCT& item) const;
  std::string SkinsFolder() const { return store().programFolder + "skins\\"; }

  const WallpaperPreview& wallpaper_;
  const Clock& clock_;
  std::vector<std::string> fonts_;
  std::vector<CalendarTemplateItem> templates_;
  DibCanvas preview_;
};

}  // namespace tikolvo
