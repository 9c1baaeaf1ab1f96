#include "common/grid_layout.h"

#include <algorithm>

namespace tikolvo::grid {
namespace {

int Channel(Colour colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

Colour Join(int red, int green, int blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

}  // namespace

RowColours StripeOfRow(int row) { return row % 2 == 0 ? kGreenStripe : kBlueStripe; }

Colour BackgroundBelowRows(int rowCount) { return StripeOfRow(std::max(0, rowCount)).background; }

Colour Lightened(Colour colour, int percent) {
  percent = std::clamp(percent, 0, 100);
  const auto lift = [percent](int c) { return c + percent * (255 - c) / 100; };
  return Join(lift(Channel(colour, 0)), lift(Channel(colour, 8)), lift(Channel(colour, 16)));
}

Colour Blend(Colour under, Colour over, int opacity) {
  opacity = std::clamp(opacity, 0, 255);
  const auto mix = [opacity](int u, int o) { return (o * opacity + u * (255 - opacity) + 127) / 255; };
  return Join(mix(Channel(under, 0), Channel(over, 0)), mix(Channel(under, 8), Channel(over, 8)),
              mix(Channel(under, 16), Channel(over, 16)));
}

Box TextBox(const Box& cell, Align align, int indent) {
  Box box = cell;
  if (align != Align::Right) box.left += indent;
  if (align != Align::Left) box.right -= indent;
  if (box.right < box.left) box.right = box.left;
  return box;
}

Point PictureOrigin(const Box& cell, int pictureWidth, int pictureHeight, PictureColumnPlace across,
                    PictureRowPlace down, int dx, int dy) {
  Point at;
  at.x = across == PictureColumnPlace::Centred ? cell.left + (cell.Width() - pictureWidth) / 2 : cell.left;
  at.y = down == PictureRowPlace::Middle ? cell.top + (cell.Height() - pictureHeight) / 2 : cell.top;
  at.x += dx;
  at.y += dy;
  return at;
}

std::vector<int> FitColumns(std::vector<int> widths, int stretchColumn, int clientWidth) {
  if (stretchColumn < 0 || stretchColumn >= static_cast<int>(widths.size())) return widths;
  int others = 0;
  for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
    if (i != stretchColumn) others += widths[static_cast<std::size_t>(i)];
  }
  int& stretched = widths[static_cast<std::size_t>(stretchColumn)];
  stretched = std::max(stretched, clientWidth - others);
  return widths;
}

std::string NumberColumnSample(int rowCount) { return rowCount <= 10 ? "10" : std::to_string(rowCount); }

}  // namespace tikolvo::grid
