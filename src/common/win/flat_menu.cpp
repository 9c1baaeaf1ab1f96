#include "common/win/flat_menu.h"

#include "app/menu_look.h"
#include "app/menu_tables.h"
#include "common/win/wide_text.h"
#include "skin/program_pictures.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {
namespace {

// Marks our item data so foreign owner-drawn items are left alone.
constexpr DWORD kFlatItemTag = 0x544B4D46;  // "FMKT"

MenuRgb ToRgb(COLORREF c) {
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

COLORREF ToColorRef(MenuRgb c) { return RGB(c.r, c.g, c.b); }

// A greyed item's picture shows faintly.
constexpr BYTE kGrayedPictureOpacity = 100;

int PictureOf(const MENUITEMINFOW& info, const wchar_t* caption) {
  if (info.hSubMenu) return SubmenuPictureOf(Narrow(caption));
  if (info.wID < kFirstMenuCommand || info.wID > kLastMenuCommand) return -1;
  return MenuPictureOf(static_cast<MenuCommand>(info.wID));
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

struct FlatMenuStyle::Tagged {
  DWORD tag;
  FlatMenuItem item;
};

FlatMenuStyle::FlatMenuStyle() = default;

FlatMenuStyle::~FlatMenuStyle() {
  if (font_) DeleteObject(font_);
}

HFONT FlatMenuStyle::Font() {
  if (font_) return font_;
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Verdana");
  return font_;
}

const FlatMenuItem* FlatMenuStyle::ItemOf(ULONG_PTR itemData) {
  const auto* tagged = reinterpret_cast<const Tagged*>(itemData);
  if (!tagged || tagged->tag != kFlatItemTag) return nullptr;
  return &tagged->item;
}

void FlatMenuStyle::Apply(HMENU menu, bool gradient) {
  items_.clear();
  gradient_ = gradient;
  ApplyTo(menu);
}

void FlatMenuStyle::ApplyToDropDowns(HMENU bar, bool gradient) {
  items_.clear();
  gradient_ = gradient;
  const int count = GetMenuItemCount(bar);
  for (int i = 0; i < count; ++i)
    if (HMENU dropDown = GetSubMenu(bar, i)) ApplyTo(dropDown);
}

bool ReadMenuItem(HMENU menu, int position, MenuItemRead& item) {
  item.text[0] = L'\0';
  item.info = MENUITEMINFOW{};
  item.info.cbSize = sizeof(item.info);
  item.info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
  item.info.dwTypeData = item.text;
  item.info.cch = 255;
  return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item.info) != 0;
}

void FlatMenuStyle::ApplyTo(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MenuItemRead item;
    if (!ReadMenuItem(menu, i, item)) continue;
    const MENUITEMINFOW& info = item.info;
    const wchar_t* text = item.text;
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    auto tagged =
        std::make_unique<Tagged>(Tagged{kFlatItemTag, {text, separator, separator ? -1 : PictureFor(info, text)}});
    MENUITEMINFOW owner{};
    owner.cbSize = sizeof(owner);
    owner.fMask = MIIM_FTYPE | MIIM_DATA;
    owner.fType = (info.fType & ~MFT_STRING) | MFT_OWNERDRAW;
    owner.dwItemData = reinterpret_cast<ULONG_PTR>(tagged.get());
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &owner);
    items_.push_back(std::move(tagged));
    if (info.hSubMenu) ApplyTo(info.hSubMenu);
  }
}

int FlatMenuStyle::PictureFor(const MENUITEMINFOW& info, const wchar_t* caption) const {
  if (lookup_)
    if (const std::optional<int> picture = lookup_(info.wID, info.hSubMenu)) return *picture;
  return PictureOf(info, caption);
}

bool FlatMenuStyle::Measure(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  const FlatMenuItem* item = ItemOf(measure.itemData);
  if (!item) return false;
  if (item->separator) {
    measure.itemWidth = kMenuStripeWidth;
    measure.itemHeight = MenuItemHeight(0, true);
    return true;
  }
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font());
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, item->caption.c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  measure.itemWidth = static_cast<UINT>(MenuItemWidth(r.right - r.left));
  measure.itemHeight = static_cast<UINT>(MenuItemHeight(r.bottom - r.top, false));
  return true;
}

// A horizontal run of one-pixel columns from a lighter to a darker shade.
void FlatMenuStyle::DrawBand(HDC dc, const RECT& rect, COLORREF colour, bool graded) const {
  if (!graded) {
    Fill(dc, rect, colour);
    return;
  }
  const MenuRgb light = ShadeMenuColour(ToRgb(colour), 90);
  const MenuRgb dark = ShadeMenuColour(ToRgb(colour), -30);
  const int width = rect.right - rect.left;
  for (int x = 0; x < width; ++x) {
    const RECT column{rect.left + x, rect.top, rect.left + x + 1, rect.bottom};
    Fill(dc, column, ToColorRef(BlendMenuColour(light, dark, x, width)));
  }
}

// The picture sits in the middle of the left column.
void FlatMenuStyle::DrawPicture(HDC dc, const RECT& item, int picture, bool grayed) {
  if (picture < 0) return;
  const int size = kSystemPictureSize;
  const int x = item.left + (kMenuStripeWidth - size) / 2;
  const int y = item.top + (item.bottom - item.top - size) / 2;
  SystemStrip().Draw(dc, picture, x, y, size, grayed ? kGrayedPictureOpacity : 255);
}

// A checked item without a picture shows a tick, or a dot when it is one of
// a group of radio items, in the middle of the left column.
void FlatMenuStyle::DrawCheckMark(HDC dc, const RECT& item, bool radio, COLORREF colour) {
  const int cx = item.left + kMenuStripeWidth / 2;
  const int cy = (item.top + item.bottom) / 2;
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  if (radio) {
    Ellipse(dc, cx - 3, cy - 3, cx + 3, cy + 3);
  } else {
    const POINT tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
    Polyline(dc, tick, 3);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

bool FlatMenuStyle::Draw(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  const FlatMenuItem* item = ItemOf(draw.itemData);
  if (!item) return false;
  HDC dc = draw.hDC;
  const RECT& r = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) && !item->separator;
  const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;

  Fill(dc, r, GetSysColor(COLOR_MENU));
  const RECT stripe{r.left, r.top, r.left + kMenuStripeWidth, r.bottom};
  DrawBand(dc, stripe, GetSysColor(COLOR_BTNFACE), gradient_);
  if (item->separator) {
    const int y = (r.top + r.bottom) / 2;
    const RECT line{r.left + kMenuStripeWidth + kMenuTextGap, y, r.right - 2, y + 1};
    Fill(dc, line, GetSysColor(COLOR_BTNSHADOW));
    return true;
  }
  if (selected) {
    const RECT bar{r.left + 1, r.top, r.right - 1, r.bottom};
    DrawBand(dc, bar, GetSysColor(COLOR_HIGHLIGHT), gradient_);
    HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    FrameRect(dc, &bar, frame);
    DeleteObject(frame);
  }
  DrawPicture(dc, r, item->picture, grayed);
  const COLORREF textColour = GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if ((draw.itemState & ODS_CHECKED) && item->picture < 0) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    const bool radio = GetMenuItemInfoW(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemID, FALSE, &info) &&
                       (info.fType & MFT_RADIOCHECK);
    DrawCheckMark(dc, r, radio, textColour);
  }
  HGDIOBJ old = SelectObject(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour);
  RECT text{r.left + kMenuStripeWidth + kMenuTextGap, r.top, r.right - kMenuRightMargin, r.bottom};
  DrawTextW(dc, item->caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  return true;
}

}  // namespace tikolvo
