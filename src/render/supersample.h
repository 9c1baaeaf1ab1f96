#pragma once
// Smooth edges by supersampling: a picture is drawn kSupersample times larger
// in each direction with aliased primitives and then reduced, each output
// channel being the sum of its 4 x 4 samples divided by 16, truncated.
//
// SupersampledCanvas produces exactly what stretching the background over the
// whole buffer, drawing, darkening and reducing everything would, but it only
// stretches and reduces the 4 x 4 blocks that something was drawn into. An
// untouched block holds 16 copies of its background pixel and reduces to that
// pixel, so it is copied instead. Each block has a flag saying whether its
// samples are live; each block row remembers the range of its live blocks so
// the reduction does not have to look at the rest.
//
// The samples of a whole face take sixteen times its pixels; the canvas keeps
// only a band of output rows at a time instead. A picture is drawn band by
// band (DrawInBands): the same shapes go to each band, the primitives work
// out only the band's rows, and each band is reduced before the next begins.
#include <vector>

#include "render/bitmap.h"
#include "render/block_span.h"
#include "render/rasterizer.h"
#include "render/row_region.h"
#include "render/shadow.h"

namespace tikolvo {

// The whole reduction: `output` is resized to a quarter of `samples` in each
// direction (any leftover rows or columns of samples are ignored).
void Reduce4x4(const Bitmap24& samples, Bitmap24& output);

class SupersampledCanvas final : public Surface {
 public:
  void Resize(int outputWidth, int outputHeight, int bandRows = kBandRows);
  int Width() const override { return samples_.Width(); }
  int Height() const override { return outputHeight_ * kSupersample; }

  // Starts a picture over `background`, which must have the output size and
  // must stay alive and unchanged until ReduceInto.
  void Begin(const Bitmap24& background);
  // Narrows the picture begun to a region of output pixels, which must stay
  // alive and unchanged until ReduceInto: spans are cut to it and ReduceInto
  // writes only its pixels, leaving the rest of its output as it was.
  void LimitTo(const RowRegion& region);
  // The bands of the picture, drawn one after another between Begin and
  // the last ReduceInto. StartBand is false when the region the picture is
  // limited to has nothing in that band: it need not be drawn at all.
  int BandCount() const { return (outputHeight_ + bandRows_ - 1) / bandRows_; }
  bool StartBand(int band);
  // The samples' rows the current band holds, [FirstRow(), EndRow()).
  int FirstRow() const override { return firstRow_; }
  int EndRow() const override { return endRow_; }
  // The current band's first output row.
  int BandTop() const { return bandTop_; }
  void FillSpan(int y, int x0, int x1, Colour c) override;
  // Covers a span in the mask and darkens the samples it covers first.
  void DarkenSpan(int y, int x0, int x1, ShadowMask& mask, const DarkenTable& table);
  // Writes the current band's rows of the finished picture; `output` must
  // have the output size.
  void ReduceInto(Bitmap24& output);

 private:
  // Cuts a span to the box; false when nothing of it is left.
  bool Limit(int y, int& x0, int& x1) const;
  void EnsureStretched(int blockRow, int first, int last);
  void Stretch(int blockRow, int first, int last);
  void ReduceLiveBlocks(int blockRow, Bitmap24& output);
  std::uint8_t* SampleRow(int y) { return samples_.Row(y - bandTop_ * kSupersample); }

  const Bitmap24* background_ = nullptr;
  Bitmap24 samples_;  // the current band's rows only
  int outputHeight_ = 0;
  int bandRows_ = kBandRows;
  int bandTop_ = 0;  // the band's first output row
  int firstRow_ = 0;
  int endRow_ = 0;
  std::vector<std::uint8_t> live_;  // per block: its samples were stretched this picture
  std::vector<BlockSpan> range_;    // per block row: where its live blocks are
  const RowRegion* limit_ = nullptr;  // the output pixels this picture draws; none: all
};

// Draws a whole picture begun on the canvas: draw() is called once for each
// band the picture needs, and that band is then reduced into `output`.
template <class DrawBand>
void DrawInBands(SupersampledCanvas& canvas, Bitmap24& output, DrawBand&& draw) {
  for (int band = 0; band < canvas.BandCount(); ++band) {
    if (!canvas.StartBand(band)) continue;
    draw();
    canvas.ReduceInto(output);
  }
}

// Where shadow shapes are drawn: every sample under them is darkened once,
// however many shapes overlap there, exactly as if the shapes were collected
// in the mask first and the darkening done afterwards. A painter starts with
// nothing covered in the canvas's current band.
class ShadowPainter final : public Surface {
 public:
  ShadowPainter(SupersampledCanvas& canvas, ShadowMask& mask, const DarkenTable& table)
      : canvas_(canvas), mask_(mask), table_(table) {
    mask_.Clear(canvas.BandTop() * kSupersample);
  }
  int Width() const override { return canvas_.Width(); }
  int Height() const override { return canvas_.Height(); }
  int FirstRow() const override { return canvas_.FirstRow(); }
  int EndRow() const override { return canvas_.EndRow(); }
  void FillSpan(int y, int x0, int x1, Colour) override {
    canvas_.DarkenSpan(y, x0, x1, mask_, table_);
  }

 private:
  SupersampledCanvas& canvas_;
  ShadowMask& mask_;
  const DarkenTable& table_;
};

}  // namespace tikolvo
