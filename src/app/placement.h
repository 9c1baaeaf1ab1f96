#pragma once
// Where the main window may stand: sticky edges pull it flush against the
// desktop work area when dropped close to an edge, and confinement keeps it
// wholly inside the work area. Both act only while the window is sticky.
namespace tikolvo {

struct WorkArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct WindowBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Which edges of the work area attract the window. All are on until a skin
// says otherwise.
struct SnapEdges {
  bool left = true;
  bool right = true;
  bool top = true;
  bool bottom = true;
};

inline constexpr int kSnapDistance = 20;

struct PlacementOptions {
  bool sticky = true;     // "Липкое окно"
  bool confine = false;   // "Перемещение окна в пределах экрана"
  SnapEdges edges;
  int snapDistance = kSnapDistance;
};

// The position the window takes when asked to move to box.x, box.y.
WindowBox PlaceWindow(WindowBox box, const WorkArea& work, const PlacementOptions& options);

}  // namespace tikolvo
