// Text conversion, file replacement, folders and memory on the real system.
#include "win_test.h"
#include <windows.h>

#include <string>

#include "common/file_io.h"
#include "common/number_text.h"
#include "common/win/file_replacer.h"
#include "common/win/system_folders.h"
#include "common/win/user_registry.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

std::string TempFolder() {
  wchar_t buffer[MAX_PATH];
  GetTempPathW(MAX_PATH, buffer);
  std::string folder = Narrow(buffer) + "tikolvo-win-tests\\";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  return folder;
}

TEST_CASE("UTF-8 and UTF-16 convert both ways, beyond the basic plane too") {
  const std::string text = "Часы \xF0\x9F\x95\x90 Tikolvo";  // includes U+1F550
  const std::wstring wide = Widen(text);
  CHECK(wide.size() == 5 + 2 + 8);
  CHECK(wide[0] == L'Ч');
  CHECK(Narrow(wide) == text);
  CHECK(Widen("").empty());
  CHECK(Narrow(L"").empty());
}

TEST_CASE("a registry text reads whole even when stored without its terminator") {
  const std::string keyPath = "Software\\TikolvoWinTests";
  HKEY key = nullptr;
  REQUIRE(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) == ERROR_SUCCESS);
  const std::wstring path = L"C:\\Обои\\фото.jpg";
  RegSetValueExW(key, L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.data()),
                 static_cast<DWORD>(path.size() * sizeof(wchar_t)));
  const DWORD number = 7;
  RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
  CHECK(ReadUserText(keyPath, "Bare") == Narrow(path));
  CHECK(ReadUserText(keyPath, "Number").empty());
  CHECK(ReadUserText(keyPath, "Missing").empty());
  CHECK(ReadUserText(keyPath + "\\Missing", "Bare").empty());
  RegCloseKey(key);
  RegDeleteKeyW(HKEY_CURRENT_USER, Widen(keyPath).c_str());
}

TEST_CASE("an atomic save replaces an existing file and leaves no temporary behind") {
  InstallWindowsFileReplacer();
  const std::string path = TempFolder() + "замена.cfg";
  REQUIRE(SaveFileAtomically(path, "old"));
  REQUIRE(SaveFileAtomically(path, "new content"));
  CHECK(ReadWholeFile(path).value_or("") == "new content");
  CHECK_FALSE(FileExists(path + ".tmp~"));
  DeleteFileW(Widen(path).c_str());
}

TEST_CASE("the C library file calls take names outside the system code page") {
  const std::string folder = TempFolder() + "Папка \xE6\x97\xA5\xE6\x9C\xAC\\внутри";  // U+65E5 U+672C
  REQUIRE(MakeFolders(folder));
  CHECK(FolderExists(folder));
  const std::string file = folder + "\\\xE6\x97\xA5.db";
  REQUIRE(SaveFileAtomically(file, std::string("a\0b", 3)));
  CHECK(FileExists(file));
  CHECK_FALSE(FolderExists(file));
  CHECK(ReadWholeFile(file) == std::string("a\0b", 3));
  CHECK_FALSE(ReadWholeFile(folder).has_value());
  DeleteFileW(Widen(file).c_str());
  RemoveDirectoryW(Widen(folder).c_str());
}

TEST_CASE("fixed decimals round exact ties to even here too, not away from zero as msvcrt does") {
  CHECK(FormatFixed(1, -3.25) == "-3.2");
  CHECK(FormatFixed(2, 0.125) == "0.12");
  CHECK(FormatFixed(0, 2.5) == "2");
}

TEST_CASE("the replacer fails without touching the target when the source is missing") {
  const std::string folder = TempFolder();
  const std::string target = folder + "target.txt";
  REQUIRE(SaveFileAtomically(target, "kept"));
  CHECK_FALSE(ReplaceFileWriteThrough((folder + "missing.tmp~").c_str(), target.c_str()));
  CHECK(ReadWholeFile(target).value_or("") == "kept");
  DeleteFileW(Widen(target).c_str());
}

TEST_CASE("folders end with a backslash and the program folder holds the running exe") {
  const std::string program = ProgramFolder();
  REQUIRE_FALSE(program.empty());
  CHECK(program.back() == '\\');
  CHECK(FileExists(program + "win_tests.exe"));
  CHECK(WindowsFolder().back() == '\\');
  CHECK(FolderExists(SystemFolder()));
}

TEST_CASE("memory figures are plausible") {
  const MemoryFigures figures = ReadMemoryFigures();
  CHECK(figures.totalPhysical > 16u * 1024 * 1024);
  CHECK(figures.availablePhysical <= figures.totalPhysical);
  CHECK(ReadMemInfo().totalPhysical == FormatKb(figures.totalPhysical));
  // Not stopped at 2 GB on a machine that has more.
  MEMORYSTATUSEX machine{};
  machine.dwLength = sizeof(machine);
  REQUIRE(GlobalMemoryStatusEx(&machine));
  CHECK(figures.totalPhysical == machine.ullTotalPhys);
}

}  // namespace
}  // namespace tikolvo
