#include "app/win/face_view.h"

#include <cstring>

#include "app/builtin_face.h"
#include "app/win/layered.h"
#include "common/win/window_region.h"

namespace tikolvo {
namespace {

using G = FaceGeometry;

// The built-in face's hands: dark hour and minute hands, the accent red for
// the second hand, sized to its 100-pixel dial.
constexpr SimpleHands kBuiltinHands{52, 78, 86, 60, 0x30241C, 0x30241C, 0x2E3AC8, 0x00C0FF};
constexpr HandRect kBuiltinHandRect{20, 26, 221, 227};

std::vector<MaskRect> CoveredRuns(const FacePicture& face) {
  std::vector<MaskRect> runs;
  for (int y = 0; y < face.height; ++y) {
    int x = 0;
    while (x < face.width) {
      while (x < face.width && !InsideShape(face, x, y)) ++x;
      const int start = x;
      while (x < face.width && InsideShape(face, x, y)) ++x;
      if (x > start) runs.push_back(MaskRect{start, y, x, y + 1});
    }
  }
  return runs;
}

Picture ToPicture(const FacePicture& face) {
  Picture picture;
  picture.width = face.width;
  picture.height = face.height;
  picture.pixels = face.pixels;
  return picture;
}

void DrawBrand(HDC dc) {
  UniqueGdi<HFONT> font(CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
  SelectGuard select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0x80, 0x86, 0x90));
  const int cx = static_cast<int>(G::kCentreX), cy = static_cast<int>(G::kCentreY);
  RECT box{cx - 60, cy + 30, cx + 61, cy + 48};
  DrawTextW(dc, L"Tikolvo", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SetBuiltinLabels(FaceLabelView& view, FaceLabelTexts& texts) {
  LabelLook time;
  time.box = Box{G::kDisplayLeft, G::kDisplayTop + 4, G::kDisplayRight, G::kDisplayTop + 38};
  time.points = 22;
  time.style = LabelWeight::Bold;
  time.colour = RGB(0x8C, 0xE4, 0xFF);
  view.SetLook(FaceLabel::Time, time, G::kWidth);
  LabelLook date;
  date.box.top = G::kDisplayTop + 40;
  date.points = 10;
  date.colour = RGB(0xA8, 0xB4, 0xC4);
  view.SetLook(FaceLabel::Date, date, G::kWidth);
  for (FaceLabel free : {FaceLabel::Format1, FaceLabel::Format2, FaceLabel::Format3}) view.Hide(free);
  LabelFormats formats;
  formats.dateShown = true;
  formats.datePattern = "d mmmm yyyy";
  formats.timeShown = true;
  texts.Reset(formats);
}

}  // namespace

bool FaceView::SizeFrame(int width, int height) {
  if (frame_.bitmap && frame_.width == width && frame_.height == height) return true;
  frameSelected_.reset();  // a bitmap still selected could not be deleted
  frame_ = CreateDib32(width, height);
  if (!frame_.bitmap) return false;
  frameSelected_.emplace(frameDc_.get(), frame_.bitmap.get());
  return true;
}

bool FaceView::ShowBuiltin(FaceLabelTexts& texts) {
  const FacePicture face = DrawBuiltinFace();
  if (!SizeFrame(face.width, face.height)) return false;
  base_ = OpaqueBase(ToPicture(face));
  RestoreBox(base_, View(), Everything());
  DrawBrand(frameDc_.get());
  GdiFlush();
  std::memcpy(base_.Row(0), frame_.bits, static_cast<std::size_t>(face.width) * face.height * 4);
  builtinShape_ = CoveredRuns(face);
  layered_ = false;
  handsEnabled_ = true;
  engine_.SetHandRect(kBuiltinHandRect);
  engine_.SetBackground(ToBitmap24(ToPicture(face)));
  engine_.Simple() = kBuiltinHands;
  engine_.Options().shadow = true;
  engine_.Options().enhanced = false;
  SetBuiltinLabels(labels_, texts);
  return true;
}

bool FaceView::ShowFace(const Picture& face, const HandRect& handRect, bool keyColour) {
  if (!SizeFrame(face.width, face.height)) return false;
  base_ = OpaqueBase(face);
  RestoreBox(base_, View(), Everything());
  layered_ = false;
  engine_.SetHandRect(handRect);
  const Bitmap24 background = ToBitmap24(face);
  if (keyColour) {
    engine_.SetKeyColourBackground(background);
  } else {
    engine_.SetBackground(background);
  }
  return true;
}

bool FaceView::ShowLayered(const Bitmap32& premultiplied, const HandRect& handRect) {
  if (!SizeFrame(premultiplied.Width(), premultiplied.Height())) return false;
  base_ = premultiplied;
  RestoreBox(base_, View(), Everything());
  layered_ = true;
  engine_.SetHandRect(handRect);
  engine_.SetLayerBackground(premultiplied);
  return true;
}

HRGN FaceView::CreateBuiltinRegion() const { return RegionFromRects(builtinShape_, frame_.width, frame_.height); }

Box FaceView::HandBox() const {
  const HandRect& r = engine_.Rect();
  return {r.left, r.top, r.left + engine_.Output().Width(), r.top + engine_.Output().Height()};
}

void FaceChanges::Add(const Box& box) {
  if (box.Empty()) return;
  for (int i = 0; i < count; ++i) {
    if (Intersect(boxes[i], box).Empty()) continue;
    boxes[i] = Union(boxes[i], box);
    return;
  }
  if (count < static_cast<int>(boxes.size())) {
    boxes[count++] = box;
  } else {
    boxes[count - 1] = Union(boxes[count - 1], box);
  }
}

// Only pixels that change are composed again and reported: a tick that
// finds the hands where they were and no label changed costs nothing more.
FaceChanges FaceView::Redraw(const Box& dirty, bool hands, const FaceLabelTexts& texts) {
  FaceChanges changes;
  if (!frame_.bitmap) return changes;
  const Box handBox = HandBox();
  changes.Add(Intersect(dirty, Everything()));
  // Restoring the base under the hands wipes them, so they come back there.
  const bool wiped = !Intersect(dirty, handBox).Empty();
  if (handsEnabled_ && (hands || wiped) && !engine_.UpToDate()) {
    engine_.Draw();
    const Box& change = engine_.LastChange();
    changes.Add(Intersect(Box{handBox.left + change.left, handBox.top + change.top, handBox.left + change.right,
                              handBox.top + change.bottom},
                          Everything()));
  }
  if (changes.Empty()) return changes;
  for (int i = 0; i < changes.count; ++i) Compose(changes.boxes[i], frameDc_.get(), texts);
  return changes;
}

void FaceView::Compose(const Box& box, HDC dc, const FaceLabelTexts& texts) {
  const FrameView view = View();
  GdiFlush();  // the labels of an earlier box are in the pixels before they are restored over
  RestoreBox(base_, view, box);
  const Box handBox = HandBox();
  if (handsEnabled_ && !Intersect(box, handBox).Empty())
    PutHands(engine_.Output(), handBox.left, handBox.top, view, layered_, box);
  if (overlay_) overlay_->DrawOver(view, box);
  labels_.Draw(dc, box, texts);
  GdiFlush();
  if (layered_) RepairTextAlpha(base_, view, box);
}

void FaceView::Paint(HDC target, const RECT& dirty) const {
  if (!frame_.bitmap) return;
  BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, frameDc_.get(), dirty.left,
         dirty.top, SRCCOPY);
}

}  // namespace tikolvo

namespace tikolvo {

bool FaceView::Push(HWND hwnd, int opacity) const {
  if (!frame_.bitmap || !layered_) return false;
  return PushLayeredPicture(hwnd, frameDc_.get(), frame_.width, frame_.height, opacity);
}

}  // namespace tikolvo
