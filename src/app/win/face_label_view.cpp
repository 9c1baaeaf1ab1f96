#include "app/win/face_label_view.h"

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

HFONT CreateLabelFont(const LabelLook& look) {
  int dpi = 96;
  {
    WindowDc screen(nullptr);
    dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  const int height = -MulDiv(look.points, dpi, 72);
  const std::wstring name = Widen(look.fontName);
  return CreateFontW(height, 0, 0, 0, look.style == LabelWeight::Bold ? FW_BOLD : FW_NORMAL,
                     look.style == LabelWeight::Italic, look.style == LabelWeight::Underline,
                     look.style == LabelWeight::StrikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str());
}

int FontHeight(HFONT font) {
  MemDc dc;
  SelectGuard select(dc.get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

void FaceLabelView::SetLook(FaceLabel label, const LabelLook& look, int faceWidth) {
  Label& l = At(label);
  l.font.Reset(CreateLabelFont(look));
  l.colour = look.colour;
  l.box = look.box;
  if (label == FaceLabel::Date) l.box = Box{0, look.box.top, faceWidth, look.box.top + FontHeight(l.font.get())};
  l.shown = true;
}

Box FaceLabelView::BoxesOf(unsigned changed) const {
  Box all;
  for (int i = 0; i < kFaceLabelCount; ++i)
    if ((changed & (1u << i)) && labels_[i].shown) all = Union(all, labels_[i].box);
  return all;
}

void FaceLabelView::Draw(HDC dc, const Box& clip, const FaceLabelTexts& texts) const {
  if (clip.Empty()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < kFaceLabelCount; ++i) {
    const Label& l = labels_[i];
    if (!l.shown || Intersect(l.box, clip).Empty()) continue;
    const std::wstring text = Widen(texts.Text(static_cast<FaceLabel>(i)));
    SelectObject(dc, l.font.get());
    SetTextColor(dc, l.colour);
    RECT r{l.box.left, l.box.top, l.box.right, l.box.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  RestoreDC(dc, saved);
}

}  // namespace tikolvo
