#include "common/win/common_controls.h"

#include <initializer_list>

namespace tikolvo {
namespace {

struct CommonControls {
  BOOL(WINAPI* initialise)(const INITCOMMONCONTROLSEX*) = nullptr;
  HIMAGELIST(WINAPI* create)(int, int, UINT, int, int) = nullptr;
  int(WINAPI* add)(HIMAGELIST, HBITMAP, HBITMAP) = nullptr;
  BOOL(WINAPI* destroy)(HIMAGELIST) = nullptr;
  BOOL(WINAPI* draw)(HIMAGELIST, int, HDC, int, int, UINT) = nullptr;
  BOOL(WINAPI* iconSize)(HIMAGELIST, int*, int*) = nullptr;
  bool loaded = false;
};

template <typename Function>
bool Find(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return function != nullptr;
}

// The manifest's activation context makes this version 6 where it exists,
// as a static import would be. The library stays loaded once it is in, and
// its classes are registered once.
const CommonControls& Library() {
  static CommonControls controls = [] {
    CommonControls c;
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    c.loaded = library && Find(library, "InitCommonControlsEx", c.initialise) &&
               Find(library, "ImageList_Create", c.create) && Find(library, "ImageList_Add", c.add) &&
               Find(library, "ImageList_Destroy", c.destroy) && Find(library, "ImageList_Draw", c.draw) &&
               Find(library, "ImageList_GetIconSize", c.iconSize);
    // Version 5.8 (XP without the manifest) refuses a flag it does not
    // know, so the one only version 6 knows goes on its own.
    for (DWORD flags : {DWORD{ICC_WIN95_CLASSES | ICC_DATE_CLASSES}, DWORD{ICC_STANDARD_CLASSES}}) {
      const INITCOMMONCONTROLSEX classes{sizeof(classes), flags};
      if (c.loaded) c.initialise(&classes);
    }
    return c;
  }();
  return controls;
}

}  // namespace

bool LoadCommonControls() { return Library().loaded; }

HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow) {
  const CommonControls& c = Library();
  return c.loaded ? c.create(width, height, flags, initial, grow) : nullptr;
}

int AddToImageList(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
  const CommonControls& c = Library();
  return c.loaded && list ? c.add(list, image, mask) : -1;
}

void DestroyImageList(HIMAGELIST list) {
  const CommonControls& c = Library();
  if (c.loaded && list) c.destroy(list);
}

bool DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  const CommonControls& c = Library();
  return c.loaded && list && c.draw(list, index, dc, x, y, style) != FALSE;
}

bool ImageListIconSize(HIMAGELIST list, int& width, int& height) {
  const CommonControls& c = Library();
  return c.loaded && list && c.iconSize(list, &width, &height) != FALSE;
}

}  // namespace tikolvo
