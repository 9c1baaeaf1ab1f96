#include "app/win/face_view.h"

#include <cstring>

#include "app/builtin_face.h"

namespace tikolvo {
namespace {

using G = FaceGeometry;

constexpr COLORREF kTimeColour = RGB(0x8C, 0xE4, 0xFF);
constexpr COLORREF kDateColour = RGB(0xA8, 0xB4, 0xC4);
constexpr COLORREF kBrandColour = RGB(0x80, 0x86, 0x90);

HFONT MakeFont(int pixels, int weight, const wchar_t* face) {
  return CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// One rectangle per horizontal run of covered pixels.
std::vector<RECT> ShapeRuns(const FacePicture& face) {
  std::vector<RECT> runs;
  for (int y = 0; y < face.height; ++y) {
    int x = 0;
    while (x < face.width) {
      while (x < face.width && !InsideShape(face, x, y)) ++x;
      const int start = x;
      while (x < face.width && InsideShape(face, x, y)) ++x;
      if (x > start) runs.push_back(RECT{start, y, x, y + 1});
    }
  }
  return runs;
}

void DrawCentred(HDC dc, HFONT font, COLORREF colour, const std::wstring& text, RECT box) {
  SelectGuard select(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

bool FaceView::Create() {
  const FacePicture picture = DrawBuiltinFace();
  face_ = CreateDib32(picture.width, picture.height);
  frame_ = CreateDib32(picture.width, picture.height);
  if (!face_.bitmap || !frame_.bitmap) return false;
  std::memcpy(face_.bits, picture.pixels.data(), picture.pixels.size() * sizeof(picture.pixels[0]));
  shapeRuns_ = ShapeRuns(picture);
  timeFont_.Reset(MakeFont(30, FW_BOLD, L"Arial"));
  dateFont_.Reset(MakeFont(13, FW_NORMAL, L"Arial"));
  brandFont_.Reset(MakeFont(12, FW_BOLD, L"Arial"));
  return true;
}

HRGN FaceView::CreateShapeRegion() const {
  const DWORD count = static_cast<DWORD>(shapeRuns_.size());
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = count;
  data->rdh.nRgnSize = count * sizeof(RECT);
  data->rdh.rcBound = RECT{0, 0, face_.width, face_.height};
  std::memcpy(data->Buffer, shapeRuns_.data(), count * sizeof(RECT));
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

bool FaceView::SetReadout(const std::wstring& time, const std::wstring& date) {
  if (time == time_ && date == date_) return false;
  time_ = time;
  date_ = date;
  return true;
}

RECT FaceView::ReadoutRect() const {
  return RECT{G::kDisplayLeft, G::kDisplayTop, G::kDisplayRight, G::kDisplayBottom};
}

void FaceView::DrawTexts(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  const int cx = static_cast<int>(G::kCentreX), cy = static_cast<int>(G::kCentreY);
  DrawCentred(dc, brandFont_.get(), kBrandColour, L"Tikolvo", RECT{cx - 60, cy + 30, cx + 61, cy + 48});
  DrawCentred(dc, timeFont_.get(), kTimeColour, time_,
              RECT{G::kDisplayLeft, G::kDisplayTop + 4, G::kDisplayRight, G::kDisplayTop + 38});
  DrawCentred(dc, dateFont_.get(), kDateColour, date_,
              RECT{G::kDisplayLeft, G::kDisplayTop + 38, G::kDisplayRight, G::kDisplayBottom - 4});
}

void FaceView::Paint(HDC target, const RECT& dirty) {
  if (!face_.bitmap) return;
  std::memcpy(frame_.bits, face_.bits, static_cast<size_t>(face_.width) * face_.height * 4);
  MemDc dc;
  SelectGuard select(dc.get(), frame_.bitmap.get());
  DrawTexts(dc.get());
  BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc.get(),
         dirty.left, dirty.top, SRCCOPY);
}

}  // namespace tikolvo
