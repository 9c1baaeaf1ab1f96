#pragma once
// A canvas that remembers what was drawn. Every character is 7 pixels wide
// and every line 10 high.
#include <string>
#include <vector>

#include "common/utf8_text.h"
#include "reminders/canvas.h"

namespace tikolvo {

struct DrawnText {
  int x;
  int y;
  std::string text;
  bool operator==(const DrawnText&) const = default;
};

class RecordingCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 10;

  void SetFont(const CanvasFont& font) override { fonts.push_back(font); }
  void SetTextColour(std::uint32_t colour) override { colours.push_back(colour); }
  TextExtent MeasureText(std::string_view utf8) override {
    return {static_cast<int>(CharCount(utf8)) * kCharWidth, kLineHeight};
  }
  void DrawText(int x, int y, std::string_view utf8) override { texts.push_back({x, y, std::string(utf8)}); }

  std::vector<CanvasFont> fonts;
  std::vector<std::uint32_t> colours;
  std::vector<DrawnText> texts;
};

}  // namespace tikolvo
