#pragma once
// Layout and colour rules of the program's striped grids (the scheduler's
// task lists, the connection and work logs, the statistics tables). The
// Windows grid measures text and draws; where things go and in which colours
// is decided here.
#include <cstdint>
#include <string>
#include <vector>

#include "common/geometry.h"

namespace tikolvo {

using Colour = std::uint32_t;  // 0x00BBGGRR

namespace grid {

using Box = PixelBox;

using Point = PixelPoint;

struct RowColours {
  Colour text = 0;
  Colour background = 0;
  bool operator==(const RowColours&) const = default;
};

inline constexpr RowColours kGreenStripe{0x006633, 0xE0FFE0};  // dark green on light green
inline constexpr RowColours kBlueStripe{0x660000, 0xFFE0E0};   // dark blue on light blue

// Data rows counted from 0: the first row (row 1 under the header) is an odd
// row and green, the next blue, and so on.
RowColours StripeOfRow(int row);

// The grid's own background: the colour the row after the last one would
// have, so the empty area below the rows continues the stripes.
Colour BackgroundBelowRows(int rowCount);

// Moves each of red, green and blue `percent` of the way toward 255 (a
// locked task's text is drawn this way at 65 %).
Colour Lightened(Colour colour, int percent);

// Blends `over` onto `under` at opacity/255, rounding to nearest, as an
// alpha-blended picture mixes with the cell beneath it.
Colour Blend(Colour under, Colour over, int opacity);

enum class Align { Left, Centre, Right };

// The part of a cell a text is aligned in: `indent` pixels in from the
// aligned edge (from both edges for centred text).
Box TextBox(const Box& cell, Align align, int indent);

// Where a picture stands in a cell. Centred: horizontally centred
// (cell left + (cell width - picture width) div 2); Left: at the cell's left
// edge. Top: `dy` below the cell's top; Middle: vertically centred. dx and
// dy then move it (a locked task's picture sits 2 pixels further right, the
// next-task mark 1 pixel above the top).
enum class PictureColumnPlace { Centred, Left };
enum class PictureRowPlace { Top, Middle };
Point PictureOrigin(const Box& cell, int pictureWidth, int pictureHeight, PictureColumnPlace across,
                    PictureRowPlace down, int dx, int dy);

// Column widths with one column stretched to fill the client width. The
// stretched column keeps its given width as a minimum; a stretch index
// outside the columns leaves the widths as they are.
std::vector<int> FitColumns(std::vector<int> widths, int stretchColumn, int clientWidth);

// A row-number column is as wide as the text "10" plus 6 pixels while the
// grid has at most ten rows, and as wide as the row count's text plus 6
// beyond that. NumberColumnSample gives the text to measure.
std::string NumberColumnSample(int rowCount);
inline constexpr int kNumberColumnPadding = 6;

}  // namespace grid
}  // namespace tikolvo
