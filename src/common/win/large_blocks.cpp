// Blocks of 64 KB and more come straight from VirtualAlloc and go back to the
// system when they are freed. The C runtime's heap keeps every page it has
// ever committed for blocks of that size, so the pictures a skin load decodes
// and drops a moment later would otherwise stay in the clock's memory for the
// rest of its run.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLargeBlock = 64 * 1024;
// Far more than the program ever holds at once; past it, blocks come from
// the heap as before.
constexpr int kMaxLargeBlocks = 256;

// VirtualAlloc returns 64 KB aligned addresses, so only a pointer with
// clear low bits can be one of ours; the list is searched only for those.
void* blocks[kMaxLargeBlocks];
std::atomic<int> blockCount{0};
std::atomic_flag listBusy = ATOMIC_FLAG_INIT;

struct ListLock {
  ListLock() {
    while (listBusy.test_and_set(std::memory_order_acquire)) Sleep(0);
  }
  ~ListLock() { listBusy.clear(std::memory_order_release); }
};

void* AllocateLarge(std::size_t size) {
  void* block = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!block) return nullptr;
  ListLock lock;
  const int count = blockCount.load(std::memory_order_relaxed);
  if (count == kMaxLargeBlocks) {
    VirtualFree(block, 0, MEM_RELEASE);
    return std::malloc(size);
  }
  blocks[count] = block;
  blockCount.store(count + 1, std::memory_order_release);
  return block;
}

// True when the block was ours and is now released.
bool ReleaseLarge(void* block) {
  if ((reinterpret_cast<UINT_PTR>(block) & (kLargeBlock - 1)) != 0) return false;
  if (blockCount.load(std::memory_order_acquire) == 0) return false;
  ListLock lock;
  const int count = blockCount.load(std::memory_order_relaxed);
  for (int i = 0; i < count; ++i) {
    if (blocks[i] != block) continue;
    blocks[i] = blocks[count - 1];
    blockCount.store(count - 1, std::memory_order_release);
    VirtualFree(block, 0, MEM_RELEASE);
    return true;
  }
  return false;
}

void* Allocate(std::size_t size) {
  void* block = size >= kLargeBlock ? AllocateLarge(size) : std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  return block;
}

void Release(void* block) noexcept {
  if (block && !ReleaseLarge(block)) std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
