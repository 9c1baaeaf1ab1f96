#pragma once
// "Положение и размеры": where the calendar and the reminders go. The
// shared wallpaper preview with both markers to drag, and the calendar
// marker's size in two edits with up-downs and two knobs, each knob moving
// the size one pixel for every second step it turns.
#include <windows.h>

#include "reminders/wallpaper_markers.h"
#include "reminders/win/placement_preview.h"
#include "reminders/win/round_control.h"
#include "reminders/win/wallpaper_preview.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopPlacementPage final : public TemplatePage {
 public:
  DesktopPlacementPage(SettingsStore& store, const WallpaperPreview& preview);

  // For tests: the marker view and the knobs.
  PlacementPreview& Markers() { return markers_; }
  RoundControl& WidthKnob() { return widthKnob_; }
  RoundControl& HeightKnob() { return heightKnob_; }

  // A size edit took Enter: its number, when positive, becomes the size.
  void SizeEntered(int editId);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  void Scrolled(HWND control) override;
  void Entered() override;

  void CreateKnob(RoundControl& knob, int editId, int controlId, EverySecond& steps, bool width);
  void StepSize(bool width, int delta);
  void SetSize(bool width, int value);
  void MarkerPlaced(MarkerKind kind);
  void TakeMarkers();

  PlacementPreview markers_;
  RoundControl widthKnob_;
  RoundControl heightKnob_;
  EverySecond widthSteps_;
  EverySecond heightSteps_;
  HWND tips_ = nullptr;
  bool loading_ = false;
};

}  // namespace tikolvo
