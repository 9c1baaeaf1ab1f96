#include "settings/autorun.h"

namespace tikolvo {

bool DeleteValueAtPath(RunKeyRegistry& registry, const std::string& fullValuePath) {
  size_t slash = fullValuePath.rfind('\\');
  if (slash == std::string::npos) return false;
  return registry.DeleteValue(fullValuePath.substr(0, slash), fullValuePath.substr(slash + 1));
}

bool AddToAutorun(const std::string& exePath, Confirmer& confirmer, RunKeyRegistry& registry, ProgmanDde& dde) {
  if (!confirmer.Confirm(kAddToAutorunQuestion)) return false;
  registry.SetStringValue(kRunKeyPath, kAutorunValueName, exePath);
  dde.Execute("[CreateGroup(Tikolvo,)]");
  dde.Execute("[AddItem(" + exePath + ",Tikolvo)]");
  return true;
}

bool RemoveFromAutorun(Confirmer& confirmer, RunKeyRegistry& registry) {
  if (!confirmer.Confirm(kRemoveFromAutorunQuestion)) return false;
  DeleteValueAtPath(registry, std::string(kRunKeyPath) + "\\" + kAutorunValueName);
  return true;
}

}  // namespace tikolvo
