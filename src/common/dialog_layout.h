#pragma once
// Geometry of the program's small dialog windows (notice, question, input):
// a frame of three gradient bands (top with the caption, left with the icon,
// bottom with the buttons) round a plain content area. Sizes are pixels at
// 96 dpi, scaled by the caller's dpi; text is measured by the caller, so these
// rules stay free of any window system.
#include <functional>
#include <vector>

#include "common/geometry.h"

namespace tikolvo::dialog {

using Box = PixelBox;

using Extent = PixelSize;

struct FrameMetrics {
  int topBand = 24;
  int leftBand = 60;
  int bottomBand = 42;
  int margin = 12;
  int icon = 32;
  int buttonHeight = 25;
  int buttonMinWidth = 88;
  int buttonPadding = 16;  // each side of the button's text
  int buttonGap = 8;
  int editHeight = 21;
  int labelHeight = 16;
  int fieldGap = 8;  // from the last edit down to the bottom band
  int minTextWidth = 240;
  int maxTextWidth = 480;
  int inputWidth = 372;
};

// The metrics above, scaled from 96 dpi to dpi.
FrameMetrics ScaledMetrics(int dpi);
int Scale(int pixels, int dpi);

// Some systems draw text a few percent wider than they measure it. Texts are
// therefore given room beyond their measured width, and wrapped a little
// narrower than the box that shows them.
int WithDrawingRoom(int measuredWidth);
int WrapWidth(int boxWidth);

// Wrapped size of the message text when lines may be at most maxWidth wide.
using TextMeasure = std::function<Extent(int maxWidth)>;

struct MessageLayout {
  Extent window;
  Box caption;
  Box icon;
  Box text;
  std::vector<Box> buttons;  // left to right, in the order of their texts
};

// Notice and question windows: the text is wrapped between the minimum and
// maximum widths; the window grows to show it all, to fit the caption and the
// buttons, but never beyond the work area (a text taller than that is cut).
MessageLayout LayoutMessage(const FrameMetrics& m, const TextMeasure& measure, int captionWidth,
                            const std::vector<int>& buttonTextWidths, Extent workArea);

struct InputLayout {
  Extent window;
  Box caption;
  Box icon;
  std::vector<Box> labels;
  std::vector<Box> edits;
  std::vector<Box> buttons;
};

// Input window with 1 to 3 fields (other counts are clamped). The labels and
// edits keep their fixed places (label 1 and edit 1 lower down when alone);
// the window is as tall as its fixed height allows, taller when the buttons
// would otherwise cover an edit, and wide enough for caption, labels and
// buttons.
InputLayout LayoutInput(const FrameMetrics& m, int fields, int captionWidth,
                        const std::vector<int>& labelWidths, const std::vector<int>& buttonTextWidths,
                        Extent workArea, int dpi);

struct ReminderEditorLayout {
  Extent window;
  Box caption;
  Box icon;
  Box textLabel;
  Box text;
  Box fromLabel;
  Box fromPicker;
  Box toLabel;
  Box toPicker;
  std::vector<Box> buttons;
};

// The reminder editor: the text's label and its edit across the content
// area, below them the two date pickers side by side, each after its short
// label. The window is as wide as the input window, wider when the caption,
// the pickers' row or the buttons need it (never wider than the work area).
ReminderEditorLayout LayoutReminderEditor(const FrameMetrics& m, int captionWidth, int textLabelWidth,
                                          int fromLabelWidth, int toLabelWidth, int pickerWidth,
                                          const std::vector<int>& buttonTextWidths, Extent workArea);

// Where a window of the given box may stand: moved the least distance to lie
// wholly inside area; one larger than area keeps its left or top edge on it.
Box ClampIntoArea(Box window, const Box& area);

// A window of the given size centred in area.
Box CentreIn(Extent size, const Box& area);

// The class drop shadow exists on NT systems from version 5.1 on.
bool DropShadowSupported(bool ntPlatform, int majorVersion, int minorVersion);

}  // namespace tikolvo::dialog
