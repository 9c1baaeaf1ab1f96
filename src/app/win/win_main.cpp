// Program entry: one copy only, then the program object runs.
#include <windows.h>

#include <memory>

#include "app/win/program.h"
#include "app/win/single_instance.h"
#include "common/win/error_report.h"
#include "common/win/file_replacer.h"
#include "common/win/system_folders.h"

namespace {

int RunProgram() {
  tikolvo::InstallWindowsFileReplacer();
  // Large enough to live on the heap rather than the start thread's stack.
  auto program = std::make_unique<tikolvo::Program>(tikolvo::ProgramFolder());
  return program->Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!tikolvo::ClaimSingleInstance()) {
    tikolvo::RestorePreviousInstance();
    return 0;
  }
  try {
    return RunProgram();
  } catch (...) {
    tikolvo::ReportError("Непредвиденная ошибка при запуске программы.");
    return 1;
  }
}
