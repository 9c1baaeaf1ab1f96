#include "common/dialog_layout.h"

#include <algorithm>

namespace tikolvo::dialog {
namespace {

int ButtonWidth(const FrameMetrics& m, int textWidth) {
  return std::max(m.buttonMinWidth, WithDrawingRoom(textWidth) + 2 * m.buttonPadding);
}

int ButtonsWidth(const FrameMetrics& m, const std::vector<int>& textWidths) {
  int total = 0;
  for (int w : textWidths) total += ButtonWidth(m, w);
  if (!textWidths.empty()) total += m.buttonGap * static_cast<int>(textWidths.size() - 1);
  return total;
}

// Buttons right-aligned and centred in the bottom band.
std::vector<Box> PlaceButtons(const FrameMetrics& m, const std::vector<int>& textWidths, Extent window) {
  std::vector<Box> boxes;
  const int top = window.height - m.bottomBand + (m.bottomBand - m.buttonHeight) / 2;
  int x = window.width - m.margin - ButtonsWidth(m, textWidths);
  for (int w : textWidths) {
    const int width = ButtonWidth(m, w);
    boxes.push_back({x, top, x + width, top + m.buttonHeight});
    x += width + m.buttonGap;
  }
  return boxes;
}

Box CaptionBox(const FrameMetrics& m, Extent window) {
  return {m.margin, 0, std::max(m.margin, window.width - m.margin), m.topBand};
}

Box IconBox(const FrameMetrics& m) {
  const int left = (m.leftBand - m.icon) / 2;
  const int top = m.topBand + m.margin;
  return {left, top, left + m.icon, top + m.icon};
}

}  // namespace

int WithDrawingRoom(int measuredWidth) { return measuredWidth + (measuredWidth + 31) / 32 + 2; }

// The widest text that WithDrawingRoom still fits into the box.
int WrapWidth(int boxWidth) {
  int width = std::max(1, boxWidth - (boxWidth + 31) / 32 - 2);
  while (WithDrawingRoom(width + 1) <= boxWidth) ++width;
  return width;
}

int Scale(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  return static_cast<int>((static_cast<long long>(pixels) * dpi + 48) / 96);
}

FrameMetrics ScaledMetrics(int dpi) {
  FrameMetrics m;
  for (int* v : {&m.topBand, &m.leftBand, &m.bottomBand, &m.margin, &m.icon, &m.buttonHeight,
                 &m.buttonMinWidth, &m.buttonPadding, &m.buttonGap, &m.editHeight, &m.labelHeight,
                 &m.fieldGap, &m.minTextWidth, &m.maxTextWidth, &m.inputWidth}) {
    *v = Scale(*v, dpi);
  }
  return m;
}

MessageLayout LayoutMessage(const FrameMetrics& m, const TextMeasure& measure, int captionWidth,
                            const std::vector<int>& buttonTextWidths, Extent workArea) {
  const int frameWidth = m.leftBand + 2 * m.margin;
  const int widest = std::max(1, std::min(m.maxTextWidth, workArea.width - frameWidth));
  const Extent natural = measure(WrapWidth(widest));

  int width = frameWidth + std::clamp(WithDrawingRoom(natural.width), std::min(m.minTextWidth, widest), widest);
  width = std::max(width, WithDrawingRoom(captionWidth) + 2 * m.margin);
  width = std::max(width, m.leftBand + m.margin + ButtonsWidth(m, buttonTextWidths) + m.margin);
  width = std::min(width, workArea.width);

  const int textWidth = std::max(1, width - frameWidth);
  const int chrome = m.topBand + m.bottomBand + 2 * m.margin;
  const int textHeight = std::min(measure(WrapWidth(textWidth)).height, std::max(0, workArea.height - chrome));
  const int height = chrome + std::max(textHeight, m.icon);

  MessageLayout layout;
  layout.window = {width, height};
  layout.caption = CaptionBox(m, layout.window);
  layout.icon = IconBox(m);
  // A text shorter than the icon stands level with the icon's middle.
  const int textTop = m.topBand + m.margin + std::max(0, (m.icon - textHeight) / 2);
  layout.text = {m.leftBand + m.margin, textTop, m.leftBand + m.margin + textWidth, textTop + textHeight};
  layout.buttons = PlaceButtons(m, buttonTextWidths, layout.window);
  return layout;
}

InputLayout LayoutInput(const FrameMetrics& m, int fields, int captionWidth,
                        const std::vector<int>& labelWidths, const std::vector<int>& buttonTextWidths,
                        Extent workArea, int dpi) {
  fields = std::clamp(fields, 1, 3);
  // Label and edit tops at 96 dpi: a single field sits lower in the window.
  static constexpr int kAlone[2] = {48, 72};
  static constexpr int kStacked[3][2] = {{32, 48}, {80, 96}, {128, 144}};
  const int fixedHeight = Scale(fields == 3 ? 189 : 143, dpi);
  const int left = Scale(72, dpi);

  int width = m.inputWidth;
  width = std::max(width, WithDrawingRoom(captionWidth) + 2 * m.margin);
  width = std::max(width, left + ButtonsWidth(m, buttonTextWidths) + m.margin);
  for (int w : labelWidths) width = std::max(width, left + WithDrawingRoom(w) + m.margin);
  width = std::min(width, workArea.width);

  InputLayout layout;
  int lastEditBottom = 0;
  for (int i = 0; i < fields; ++i) {
    const int* tops = fields == 1 ? kAlone : kStacked[i];
    const int labelTop = Scale(tops[0], dpi);
    const int editTop = Scale(tops[1], dpi);
    layout.labels.push_back({left, labelTop, width - m.margin, labelTop + m.labelHeight});
    layout.edits.push_back({left, editTop, width - m.margin, editTop + m.editHeight});
    lastEditBottom = editTop + m.editHeight;
  }
  const int height = std::max(fixedHeight, lastEditBottom + m.fieldGap + m.bottomBand);
  layout.window = {width, std::min(height, std::max(workArea.height, 1))};
  layout.caption = CaptionBox(m, layout.window);
  layout.icon = IconBox(m);
  layout.buttons = PlaceButtons(m, buttonTextWidths, layout.window);
  return layout;
}

ReminderEditorLayout LayoutReminderEditor(const FrameMetrics& m, int captionWidth, int textLabelWidth,
                                          int fromLabelWidth, int toLabelWidth, int pickerWidth,
                                          const std::vector<int>& buttonTextWidths, Extent workArea) {
  const int left = m.leftBand + m.margin;
  const int top = m.topBand + m.margin;
  const int fromWidth = WithDrawingRoom(fromLabelWidth);
  const int toWidth = WithDrawingRoom(toLabelWidth);
  const int rowWidth = fromWidth + m.buttonGap + pickerWidth + m.margin + toWidth + m.buttonGap + pickerWidth;

  int width = m.leftBand + m.inputWidth;
  width = std::max(width, WithDrawingRoom(captionWidth) + 2 * m.margin);
  width = std::max(width, left + WithDrawingRoom(textLabelWidth) + m.margin);
  width = std::max(width, left + rowWidth + m.margin);
  width = std::max(width, left + ButtonsWidth(m, buttonTextWidths) + m.margin);
  width = std::min(width, workArea.width);
  const int right = std::max(left, width - m.margin);

  ReminderEditorLayout layout;
  layout.textLabel = {left, top, right, top + m.labelHeight};
  const int editTop = top + m.labelHeight;
  layout.text = {left, editTop, right, editTop + m.editHeight};
  const int rowTop = layout.text.bottom + m.margin;
  const int labelTop = rowTop + (m.editHeight - m.labelHeight) / 2;
  layout.fromLabel = {left, labelTop, left + fromWidth, labelTop + m.labelHeight};
  const int fromPicker = layout.fromLabel.right + m.buttonGap;
  layout.fromPicker = {fromPicker, rowTop, fromPicker + pickerWidth, rowTop + m.editHeight};
  const int toLabel = layout.fromPicker.right + m.margin;
  layout.toLabel = {toLabel, labelTop, toLabel + toWidth, labelTop + m.labelHeight};
  const int toPicker = layout.toLabel.right + m.buttonGap;
  layout.toPicker = {toPicker, rowTop, toPicker + pickerWidth, rowTop + m.editHeight};

  const int height = std::max(layout.toPicker.bottom + m.margin, top + m.icon + m.margin) + m.bottomBand;
  layout.window = {width, std::min(height, std::max(workArea.height, 1))};
  layout.caption = CaptionBox(m, layout.window);
  layout.icon = IconBox(m);
  layout.buttons = PlaceButtons(m, buttonTextWidths, layout.window);
  return layout;
}

Box ClampIntoArea(Box window, const Box& area) {
  const int width = window.Width();
  const int height = window.Height();
  int x = std::min(window.left, area.right - width);
  int y = std::min(window.top, area.bottom - height);
  x = std::max(x, area.left);
  y = std::max(y, area.top);
  return {x, y, x + width, y + height};
}

Box CentreIn(Extent size, const Box& area) {
  const int x = area.left + (area.Width() - size.width) / 2;
  const int y = area.top + (area.Height() - size.height) / 2;
  return {x, y, x + size.width, y + size.height};
}

bool DropShadowSupported(bool ntPlatform, int majorVersion, int minorVersion) {
  return ntPlatform && (majorVersion > 5 || (majorVersion == 5 && minorVersion >= 1));
}

}  // namespace tikolvo::dialog
