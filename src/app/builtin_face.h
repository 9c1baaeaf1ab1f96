#pragma once
// The face the clock shows until a skin is loaded: a rounded dark panel with a
// round dial (bezel, hour and minute marks) and a display well below it for
// the digital readout. Drawn once, anti-aliased, from geometry alone.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikolvo {

struct FacePicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;    // 0x00RRGGBB, rows top to bottom
  std::vector<std::uint8_t> coverage;   // 0 outside the panel, 255 inside
};

struct FaceGeometry {
  static constexpr int kWidth = 241;
  static constexpr int kHeight = 343;
  static constexpr double kCentreX = 120.5;
  static constexpr double kCentreY = 126.5;
  static constexpr double kDialRadius = 100.0;
  static constexpr double kBezelRadius = 108.0;
  static constexpr int kCornerRadius = 30;
  // The display well for the digital labels.
  static constexpr int kDisplayLeft = 34;
  static constexpr int kDisplayTop = 256;
  static constexpr int kDisplayRight = 207;
  static constexpr int kDisplayBottom = 318;
};

FacePicture DrawBuiltinFace();

// A pixel belongs to the window's shape when at least half of it is covered.
inline bool InsideShape(const FacePicture& face, int x, int y) {
  return face.coverage[static_cast<std::size_t>(y) * face.width + x] >= 128;
}

}  // namespace tikolvo
