#include "netlog/adapter_table.h"

#include "common/cp1251.h"

namespace tikolvo {

std::uint64_t CounterAdvance(std::uint64_t before, std::uint64_t now, bool wide, std::uint32_t bitsPerSecond,
                             double seconds) {
  if (now >= before) return now - before;
  if (wide) return now;
  const std::uint64_t wrapped = now + (std::uint64_t{1} << 32) - before;
  // A little slack over the nominal speed: a sample may come late.
  const double possible = static_cast<double>(bitsPerSecond) / 8.0 * (seconds > 1.0 ? seconds : 1.0) * 1.25;
  return static_cast<double>(wrapped) <= possible ? wrapped : now;
}

void AdapterTable::Register(const std::string& mac) {
  if (ByMac(mac)) return;
  for (AdapterSlot& slot : slots_) {
    if (slot.inUse) continue;
    slot = AdapterSlot{};
    slot.inUse = true;
    slot.mac = mac;
    return;
  }
}

AdapterSlot* AdapterTable::ByMac(const std::string& mac) {
  for (AdapterSlot& slot : slots_)
    if (slot.inUse && slot.mac == mac) return &slot;
  return nullptr;
}

const AdapterSlot* AdapterTable::ByAddress(const std::string& address) const {
  for (const AdapterSlot& slot : slots_)
    if (!slot.address.empty() && SameTextIgnoringCase(slot.address, address)) return &slot;
  return nullptr;
}

void AdapterTable::Sample(AdapterSlot& slot, std::uint64_t in, std::uint64_t out, bool wide, std::uint32_t speed,
                          double seconds) {
  if (!slot.sampled) {
    // A freshly taken slot starts from the counters: a dial-up adapter
    // appears with the connection, so they are the session's traffic.
    slot.in = in;
    slot.out = out;
  } else {
    slot.in += CounterAdvance(slot.rawIn, in, wide, speed, seconds);
    slot.out += CounterAdvance(slot.rawOut, out, wide, speed, seconds);
  }
  slot.rawIn = in;
  slot.rawOut = out;
  slot.speed = speed;
  slot.sampled = true;
}

void AdapterTable::ReleaseAll() {
  for (AdapterSlot& slot : slots_) slot.inUse = false;
}

void AdapterTable::ClearReleased() {
  for (AdapterSlot& slot : slots_)
    if (!slot.inUse) slot = AdapterSlot{};
}

}  // namespace tikolvo
