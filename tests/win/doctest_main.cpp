// Entry of win_tests.exe. The exe is linked for wide-character entry, so the
// arguments arrive as UTF-16 and are handed to doctest as UTF-8.
#define DOCTEST_CONFIG_IMPLEMENT
#include "win_test.h"

#include <string>
#include <vector>

#include "common/win/wide_text.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(tikolvo::Narrow(argv[i]));
  std::vector<char*> pointers;
  for (std::string& arg : args) pointers.push_back(arg.data());
  doctest::Context context(argc, pointers.data());
  return context.run();
}
