// The skin search on its own thread: the list reaches the thread that made
// the receiver, and a receiver may go away while its worker still runs.
#include "win_test.h"

#include <string>
#include <vector>

#include "common/file_io.h"
#include "program_folder.h"
#include "skin/win/find_skin_thread.h"

namespace tikolvo {
namespace {

std::string Header(int type) {
  std::string header(12, '\0');
  header[8] = static_cast<char>(type);
  return header;
}

// Runs the thread's messages until `done` or ten seconds passed.
template <typename Done>
bool PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!done() && GetTickCount() - start < 10000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
  return done();
}

TEST_CASE("a skin search delivers its whole list on the receiving thread, and outlives a receiver that went away") {
  test::ProgramFolder first;
  REQUIRE(SaveFileAtomically(first.File("plain.tks"), Header(1)));
  test::ProgramFolder second;
  REQUIRE(SaveFileAtomically(second.File("Glass.TKS"), Header(3)));
  REQUIRE(SaveFileAtomically(second.File("notes.txt"), "not a skin"));
  const std::vector<std::string> secondList{second.File("Glass.TKS") + "||+"};

  std::vector<std::vector<std::string>> deliveries;
  DWORD deliveredOn = 0;
  SkinSearchReceiver receiver([&](std::vector<std::string> entries) {
    deliveredOn = GetCurrentThreadId();
    deliveries.push_back(std::move(entries));
  });
  REQUIRE(receiver.StartSearch(second.path(), false));
  REQUIRE(PumpUntil([&] { return !deliveries.empty() && deliveries.back() == secondList; }));
  CHECK(deliveredOn == GetCurrentThreadId());

  // The worker outlives its receiver; the next search still works.
  {
    SkinSearchReceiver gone([](std::vector<std::string>) { FAIL("delivered to a receiver that is gone"); });
    REQUIRE(gone.StartSearch(second.path(), false));
  }
  const std::size_t before = deliveries.size();
  REQUIRE(receiver.StartSearch(first.path(), false));
  REQUIRE(PumpUntil([&] { return deliveries.size() > before; }));
  CHECK(deliveries.back() == std::vector<std::string>{first.File("plain.tks") + "||*"});
}

}  // namespace
}  // namespace tikolvo
