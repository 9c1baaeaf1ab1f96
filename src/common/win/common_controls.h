#pragma once
// comctl32 is loaded the first time one of its controls or image lists is
// needed, not with the program: the clock on its own shows none of them, and
// the library with what it makes as it loads costs the clock over 2 MB.
#include <windows.h>
#include <commctrl.h>

namespace tikolvo {

// Loads the library once, with every class of it the program's windows and
// dialogs use registered; false when it cannot be loaded.
bool LoadCommonControls();

// The image list calls the program makes, through the library as loaded.
HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow);
int AddToImageList(HIMAGELIST list, HBITMAP image, HBITMAP mask);
void DestroyImageList(HIMAGELIST list);
bool DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
bool ImageListIconSize(HIMAGELIST list, int& width, int& height);

}  // namespace tikolvo
