#include "app/placement.h"

#include <cstdlib>

namespace tikolvo {
namespace {

// The left and top edges only attract a window whose edge is no further than
// the snap distance outside the screen: a window pushed far off stays there.
bool NearLeadingEdge(int pos, int edge, int snap) {
  return -snap < pos && pos <= edge + snap;
}

bool NearTrailingEdge(int far, int edge, int snap) {
  return std::abs(far - edge) <= snap;
}

void SnapToEdges(WindowBox& box, const WorkArea& work, const SnapEdges& edges, int snap) {
  if (edges.left && NearLeadingEdge(box.x, work.left, snap)) box.x = work.left;
  if (edges.right && NearTrailingEdge(box.x + box.width, work.right, snap))
    box.x = work.right - box.width;
  if (edges.top && NearLeadingEdge(box.y, work.top, snap)) box.y = work.top;
  if (edges.bottom && NearTrailingEdge(box.y + box.height, work.bottom, snap))
    box.y = work.bottom - box.height;
}

// The order matters: a window larger than the work area ends aligned to the
// right and bottom edges.
void KeepInside(WindowBox& box, const WorkArea& work) {
  if (box.x < work.left) box.x = work.left;
  if (box.x + box.width > work.right) box.x = work.right - box.width;
  if (box.y < work.top) box.y = work.top;
  if (box.y + box.height > work.bottom) box.y = work.bottom - box.height;
}

}  // namespace

WindowBox PlaceWindow(WindowBox box, const WorkArea& work, const PlacementOptions& options) {
  if (!options.sticky) return box;
  SnapToEdges(box, work, options.edges, options.snapDistance);
  if (options.confine) KeepInside(box, work);
  return box;
}

}  // namespace tikolvo
