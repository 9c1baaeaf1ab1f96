#pragma once
// The built-in face on screen: the picture drawn once into a DIB, the window
// shape made from its coverage, and the digital readout painted over the
// display well.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win/gdi.h"

namespace tikolvo {

class FaceView {
 public:
  bool Create();
  int width() const { return face_.width; }
  int height() const { return face_.height; }

  // The window region matching the panel's rounded shape; the caller owns it.
  HRGN CreateShapeRegion() const;

  // Sets the readout; returns true when it changed and needs repainting.
  bool SetReadout(const std::wstring& time, const std::wstring& date);
  RECT ReadoutRect() const;

  void Paint(HDC target, const RECT& dirty);

 private:
  void DrawTexts(HDC dc);

  DibSection face_;
  DibSection frame_;
  std::vector<RECT> shapeRuns_;
  UniqueGdi<HFONT> timeFont_;
  UniqueGdi<HFONT> dateFont_;
  UniqueGdi<HFONT> brandFont_;
  std::wstring time_;
  std::wstring date_;
};

}  // namespace tikolvo
