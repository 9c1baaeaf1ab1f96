#pragma once
// Run-length encoded BMP pixel data (RLE8 and RLE4) expanded to one palette
// index per pixel. Internal to the BMP decoder.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tikolvo {

// Expands the runs into width × height indices, rows bottom to top as the
// file stores them. Pixels the runs skip (deltas, early end of line) stay 0.
// Returns nothing when the data breaks off before the end-of-bitmap code.
std::optional<std::vector<std::uint8_t>> ExpandBmpRle(std::string_view data, int width, int height,
                                                      int bits_per_index);

}  // namespace tikolvo
