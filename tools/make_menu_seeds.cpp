// Writes the fuzz seeds of the launcher list files into a folder:
//   make_menu_seeds tests/fuzz/seeds/menu_files_fuzz
// Each seed is made by the program's own writer (or cut from its output), so
// none is edited by hand.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "menus/menu_files.h"

namespace {

using namespace tikolvo;

bool Write(const std::string& folder, const char* name, const std::string& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_menu_seeds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<std::string> programs = {"Блокнот||C:\\WINDOWS\\notepad.exe][", "-||][ ",
                                             "Документы||C:\\Docs][", "Отбой||:Disconnect][",
                                             "Сайт||C:\\l\\site.url][", std::string(300, 'x') + "||p][q"};
  const std::vector<std::string> web = {"Почта<=>Входящие||http://mail", "Новости||http://news", "-||517",
                                        "А<=>Первый||:Shutdown", "Программа||C:\\t\\app.exe"};
  std::string truncated = EncodeMenuFile(LauncherKind::kPrograms, programs);
  truncated.resize(truncated.size() - 400);
  std::string negative = EncodeMenuFile(LauncherKind::kWeb, web);
  negative.replace(0, 4, "\xff\xff\xff\xff", 4);
  const bool ok = Write(folder, "empty_programs.db", EmptyMenuFile(LauncherKind::kPrograms)) &&
                  Write(folder, "empty_web.db", EmptyMenuFile(LauncherKind::kWeb)) &&
                  Write(folder, "programs.db", EncodeMenuFile(LauncherKind::kPrograms, programs)) &&
                  Write(folder, "web.db", EncodeMenuFile(LauncherKind::kWeb, web)) &&
                  Write(folder, "truncated_programs.db", truncated) && Write(folder, "negative_count_web.db", negative);
  return ok ? 0 : 1;
}
