#pragma once
// Owner-drawn flat menus in "Verdana": a light column on the left with the
// item's picture from the program's system strip, a flat highlight bar, and
// with the gradient option both in graded shades. The owner window passes
// WM_MEASUREITEM and WM_DRAWITEM on.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tikolvo {

struct FlatMenuItem {
  std::wstring caption;
  bool separator = false;
  int picture = -1;  // position in the system strip; -1: none
};

// One menu item as the system holds it, its text included. Not copyable:
// the item's text pointer points into it.
struct MenuItemRead {
  MENUITEMINFOW info{};
  wchar_t text[256] = L"";
  MenuItemRead() = default;
  MenuItemRead(const MenuItemRead&) = delete;
  MenuItemRead& operator=(const MenuItemRead&) = delete;
};
// Type, text, submenu and id of the item at `position`; false when there is none.
bool ReadMenuItem(HMENU menu, int position, MenuItemRead& item);

class FlatMenuStyle {
 public:
  FlatMenuStyle();
  FlatMenuStyle(const FlatMenuStyle&) = delete;
  FlatMenuStyle& operator=(const FlatMenuStyle&) = delete;
  ~FlatMenuStyle();

  // Makes every item of the menu and of its submenus owner-drawn. Items of
  // an earlier menu are forgotten: one popup is shown at a time. An item of
  // the menu tables gets the table's picture: by its command, or for a
  // submenu head by its caption.
  void Apply(HMENU menu, bool gradient);
  // The same for the drop-down menus of a window's menu bar; the bar's own
  // captions stay system-drawn. Run again after a caption changed.
  void ApplyToDropDowns(HMENU bar, bool gradient);
  void SetGradient(bool gradient) { gradient_ = gradient; }
  // Pictures of items the menu tables do not know (the launcher entries):
  // by command, or for a submenu head by its submenu; nothing leaves the
  // tables' choice.
  using PictureLookup = std::function<std::optional<int>(UINT command, HMENU submenu)>;
  void SetPictureLookup(PictureLookup lookup) { lookup_ = std::move(lookup); }

  // False when the message is not about one of our items.
  bool Measure(MEASUREITEMSTRUCT& measure);
  bool Draw(const DRAWITEMSTRUCT& draw);

  // The caption kept for an owner-drawn item (menu listings for tests).
  static const FlatMenuItem* ItemOf(ULONG_PTR itemData);

 private:
  struct Tagged;
  void ApplyTo(HMENU menu);
  int PictureFor(const MENUITEMINFOW& info, const wchar_t* caption) const;
  HFONT Font();
  void DrawBand(HDC dc, const RECT& rect, COLORREF colour, bool graded) const;
  static void DrawPicture(HDC dc, const RECT& item, int picture, bool grayed);
  static void DrawCheckMark(HDC dc, const RECT& item, bool radio, COLORREF colour);

  std::vector<std::unique_ptr<Tagged>> items_;
  HFONT font_ = nullptr;
  bool gradient_ = true;
  PictureLookup lookup_;
};

}  // namespace tikolvo
