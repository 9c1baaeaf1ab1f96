#pragma once
// The "Об авторе..." page: the banner with its miniature clock, the program
// picture, the build date and version, the memory line and the feature list.
#include "common/win/gdi.h"
#include "settings/win/about_banner.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class AboutPage final : public TemplatePage {
 public:
  explicit AboutPage(SettingsStore& store);
  // The clock's tick: the banner's miniature clock keeps time with the face.
  void Tick() { banner_.Tick(); }

 private:
  void Created() override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void DrawAboutPicture(const DRAWITEMSTRUCT& item);

  AboutBanner banner_;
  DibSection aboutPicture_;
  int aboutPictureFaceSum_ = -1;
};

}  // namespace tikolvo
