#pragma once
// Where and how the face's five labels are drawn: their boxes on the face,
// fonts and colours. Texts are transparent and centred in their boxes; the
// date label is centred across the whole face at the top the skin gives.
#include <windows.h>

#include <array>
#include <string>

#include "app/face_compose.h"
#include "app/face_labels.h"
#include "common/win/gdi.h"

namespace tikolvo {

class FaceLabelView {
 public:
  // Creates the label's font. For the date label only box.top counts: it
  // spans the face's width and is as high as its font.
  void SetLook(FaceLabel label, const LabelLook& look, int faceWidth);
  void Hide(FaceLabel label) { At(label).shown = false; }
  bool Shown(FaceLabel label) const { return labels_[static_cast<int>(label)].shown; }
  Box BoxOf(FaceLabel label) const { return labels_[static_cast<int>(label)].box; }
  // The boxes of the labels named in a change mask.
  Box BoxesOf(unsigned changed) const;

  // Draws every shown label that meets `clip`, clipped to it.
  void Draw(HDC dc, const Box& clip, const FaceLabelTexts& texts) const;

 private:
  struct Label {
    bool shown = false;
    Box box;
    UniqueGdi<HFONT> font;
    COLORREF colour = 0;
  };
  Label& At(FaceLabel label) { return labels_[static_cast<int>(label)]; }

  std::array<Label, kFaceLabelCount> labels_;
};

}  // namespace tikolvo
