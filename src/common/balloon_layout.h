#pragma once
// Where everything of a balloon goes: its text word-wrapped at 300 pixels,
// its size from the title and the text, its place above the notification
// area in the bottom-right corner of the work area. Text is measured by a
// function the window layer lends, so the rules run without a screen.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"

namespace tikolvo::balloon {

using Box = PixelBox;

using Point = PixelPoint;

using Size = PixelSize;

// A font as the layout sees it: the width of one line of text in pixels and
// the height of a line.
struct TextFont {
  std::function<int(std::string_view)> width;
  int lineHeight = 13;
};

inline constexpr int kTextWidth = 300;        // the text wraps here
inline constexpr Point kTitleAt{36, 10};
inline constexpr Point kTextAt{12, 31};
inline constexpr int kCloseSize = 18;
inline constexpr Point kIconAt{12, 8};
inline constexpr int kIconSize = 18;  // the 16 px picture, drawn a little larger
inline constexpr int kCornerEllipse = 16;     // width and height of the rounded corners

// The text in lines no wider than maxWidth: broken at blanks, at line breaks
// (CR LF, LF or CR) and, for a word wider than a line on its own, between
// characters. Tabs and other control characters count as blanks. Blanks at a
// break are dropped; blanks at the very end stay when they fit. An empty text
// is one empty line.
std::vector<std::string> WrapText(std::string_view text, int maxWidth, const TextFont& font);

struct Layout {
  Box window;                       // on the screen
  std::string title;                // one line, cut with "…" when too wide
  Box titleBox;                     // in the window
  std::vector<std::string> lines;   // the text, wrapped
  Box textBox;                      // in the window
  Box closeBox;                     // the close picture, in the window
};

// Lays the balloon out in `workArea`. Width: the wider of the title plus 80
// and the text plus 24; height: the text plus 42. It sits 2 pixels from the
// right and 1 from the bottom of the work area. `atLeast` keeps a window that
// is already on screen from shrinking while its text changes. A balloon never
// outgrows the work area: the title is cut and surplus lines end in "…".
Layout LayOutBalloon(std::string_view title, std::string_view text, const TextFont& titleFont,
                     const TextFont& textFont, const Box& workArea, Size atLeast = {});

}  // namespace tikolvo::balloon
