#pragma once
// The straightforward supersampled pipeline, kept here to prove that the
// engine's shortcuts (stretching and reducing only touched blocks, a one-byte
// mask) change nothing: stretch the whole background 4x, draw the shadow
// shapes green into a white 24-bit mask, darken every sample whose mask pixel
// is exactly green, draw, and average every 4 x 4 block.
#include <cmath>
#include <functional>
#include <random>

#include "render/bitmap.h"
#include "render/rasterizer.h"

namespace tikolvo::reference {

constexpr Colour kMaskGreen = 0x00FF00;

inline Bitmap24 Stretch4(const Bitmap24& background) {
  Bitmap24 samples(background.Width() * 4, background.Height() * 4);
  for (int y = 0; y < samples.Height(); ++y) {
    for (int x = 0; x < samples.Width(); ++x) samples.SetPixel(x, y, background.Pixel(x / 4, y / 4));
  }
  return samples;
}

inline Bitmap24 Reduce(const Bitmap24& samples) {
  Bitmap24 out(samples.Width() / 4, samples.Height() / 4);
  for (int j = 0; j < out.Height(); ++j) {
    for (int i = 0; i < out.Width(); ++i) {
      int sum[3] = {0, 0, 0};
      for (int y = 4 * j; y < 4 * j + 4; ++y) {
        for (int x = 4 * i; x < 4 * i + 4; ++x) {
          for (int c = 0; c < 3; ++c) sum[c] += samples.Row(y)[3 * x + c];
        }
      }
      for (int c = 0; c < 3; ++c) out.Row(j)[3 * i + c] = static_cast<std::uint8_t>(sum[c] / 16);
    }
  }
  return out;
}

inline void DarkenUnderGreen(Bitmap24& samples, const Bitmap24& mask, double fraction) {
  for (int y = 0; y < samples.Height(); ++y) {
    for (int x = 0; x < samples.Width(); ++x) {
      if (mask.Pixel(x, y) != kMaskGreen) continue;
      for (int c = 0; c < 3; ++c) {
        std::uint8_t& v = samples.Row(y)[3 * x + c];
        v = static_cast<std::uint8_t>(v - static_cast<int>(std::nearbyint(v * fraction)));
      }
    }
  }
}

using Painter = std::function<void(Surface&)>;

struct Steps {
  Painter underShadows;  // drawn in colour before the shadows
  Painter shadows;       // drawn into the mask (colour ignored, painted green)
  double fraction = 0;
  Painter hands;
};

// A surface that paints every span green, whatever colour it is given.
class GreenSurface final : public Surface {
 public:
  explicit GreenSurface(Bitmap24& mask) : inner_(mask) {}
  int Width() const override { return inner_.Width(); }
  int Height() const override { return inner_.Height(); }
  void FillSpan(int y, int x0, int x1, Colour) override { inner_.FillSpan(y, x0, x1, kMaskGreen); }

 private:
  BitmapSurface inner_;
};

inline Bitmap24 Draw(const Bitmap24& background, const Steps& steps) {
  Bitmap24 samples = Stretch4(background);
  BitmapSurface colour(samples);
  if (steps.underShadows) steps.underShadows(colour);
  if (steps.shadows) {
    Bitmap24 mask(samples.Width(), samples.Height());
    mask.Fill(0xFFFFFF);
    GreenSurface green(mask);
    steps.shadows(green);
    DarkenUnderGreen(samples, mask, steps.fraction);
  }
  if (steps.hands) steps.hands(colour);
  return Reduce(samples);
}

inline Bitmap24 RandomPicture(int width, int height, unsigned seed) {
  Bitmap24 picture(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * 3; ++x) picture.Row(y)[x] = static_cast<std::uint8_t>(random());
  }
  return picture;
}

}  // namespace tikolvo::reference
