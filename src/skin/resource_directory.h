#pragma once
// Finding a named resource by walking a module's resource directory entry
// by entry. The system's own lookup searches the named entries by halving,
// which needs them sorted as it compares (upper case: "_" after the
// letters); when the linker merges the resources of several scripts it sorts
// them in lower case ("_" before the letters), so "BITMAP_IL_M" and
// "BITMAP_ILSYSTEM" change places and the system no longer finds one of
// them. Walking every entry finds a resource whatever the order.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tikolvo {

// Where a resource's bytes lie: an address relative to the module's base.
struct ResourceSpan {
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
};

// `directory` is the resource section from its root directory on (offsets
// inside it are relative to its start). Type and name are ASCII, compared
// without regard to case, as the system compares resource names. The first
// language found is taken. Nothing for a missing resource or a directory
// that does not hold what its entries claim.
std::optional<ResourceSpan> FindNamedResource(std::string_view directory, std::string_view type,
                                              std::string_view name);

}  // namespace tikolvo
