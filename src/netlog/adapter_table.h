#pragma once
// The network adapters the traffic pass follows: 16 slots keyed by hardware
// address, each with the IPv4 address found for it and the bytes it moved.
// The system's counters are 32-bit on older Windows and wrap at 4 GiB; a
// counter that falls may also have been reset (adapter restarted,
// reconnected, computer resumed). The slots count in 64 bits through both.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tikolvo {

inline constexpr int kAdapterSlots = 16;

// How far a counter moved from `before` to `now`. 64-bit counters (wide)
// that fall were reset. A 32-bit counter that falls wrapped only when the
// amount that implies could have flowed in `seconds` at the adapter's speed;
// otherwise it was reset and counts from zero.
std::uint64_t CounterAdvance(std::uint64_t before, std::uint64_t now, bool wide, std::uint32_t bitsPerSecond,
                             double seconds);

struct AdapterSlot {
  bool inUse = false;
  std::string mac;      // the key: the hardware address as text
  std::string address;  // IPv4 address text; empty until found
  std::uint32_t speed = 0;
  // The counters as the system gave them last, and what they add up to
  // since the slot was taken.
  std::uint64_t rawIn = 0, rawOut = 0;
  std::uint64_t in = 0, out = 0;
  bool sampled = false;
};

class AdapterTable {
 public:
  // Takes the first free slot for a hardware address no slot in use has;
  // nothing when all 16 are taken.
  void Register(const std::string& mac);
  AdapterSlot* ByMac(const std::string& mac);  // in-use slots, exact match
  const AdapterSlot* ByAddress(const std::string& address) const;  // without regard to case
  // One sample of an adapter's counters `seconds` after the last one.
  void Sample(AdapterSlot& slot, std::uint64_t in, std::uint64_t out, bool wide, std::uint32_t speed, double seconds);
  void ReleaseAll();     // in-use flags off, the data stays
  void ClearReleased();  // the slots not in use are emptied
  std::array<AdapterSlot, kAdapterSlots>& slots() { return slots_; }
  const std::array<AdapterSlot, kAdapterSlots>& slots() const { return slots_; }

 private:
  std::array<AdapterSlot, kAdapterSlots> slots_{};
};

}  // namespace tikolvo
