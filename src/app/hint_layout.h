#pragma once
// Size of the hint window and where its icon(s) and text go, for the six hint
// layouts a skin can choose (0 to 5).
namespace tikolvo {

struct HintSize {
  int width = 0;
  int height = 0;
};

struct HintSpot {
  int x = 0;
  int y = 0;
};

struct HintLayout {
  HintSize window;
  bool showIcon = true;
  HintSpot icon;        // first (or only) icon
  bool secondIcon = false;
  HintSpot iconRight;   // layout 5: the icon repeated right of the text
  HintSpot text;
};

inline constexpr int kTextOnlyHintLayout = 4;

// Layouts outside 0..5 fall back to text only.
HintLayout LayOutHint(int layout, HintSize icon, HintSize text);

}  // namespace tikolvo
