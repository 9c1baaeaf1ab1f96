// Large blocks go back to the system when freed; everything else still
// comes from the C library's heap.
#include "win_test.h"
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

DWORD StateOf(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(address, &info, sizeof(info));
  return info.State;
}

TEST_CASE("a freed large block leaves the process's memory, and mixed blocks keep their contents") {
  auto* picture = new std::uint32_t[300 * 300];
  picture[0] = 1;
  CHECK(StateOf(picture) == MEM_COMMIT);
  delete[] picture;
  CHECK(StateOf(picture) == MEM_FREE);

  // More large blocks than the allocator keeps track of, between small
  // ones, freed in an order unlike the one they came in.
  std::vector<std::unique_ptr<std::vector<std::uint8_t>>> blocks;
  for (int i = 0; i < 600; ++i) {
    const std::size_t size = i % 2 ? 70 * 1024 + static_cast<std::size_t>(i) : 16 + static_cast<std::size_t>(i);
    blocks.push_back(std::make_unique<std::vector<std::uint8_t>>(size, static_cast<std::uint8_t>(i)));
  }
  for (int step = 0; step < 600; step += 3) blocks[static_cast<std::size_t>(step)].reset();
  std::reverse(blocks.begin(), blocks.end());
  int intact = 0, kept = 0;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (!blocks[i]) continue;
    ++kept;
    const auto value = static_cast<std::uint8_t>(blocks.size() - 1 - i);
    intact += std::all_of(blocks[i]->begin(), blocks[i]->end(), [value](std::uint8_t b) { return b == value; });
  }
  CHECK(intact == kept);
  blocks.clear();
}

}  // namespace
