#include "skin/win/builtin_skin.h"

#include <windows.h>

#include "common/file_io.h"
#include "common/win/wide_text.h"
#include "skin/resource_blob.h"

namespace tikolvo {

std::string RestoreBuiltinSkin(const std::string& programFolder) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"SKIN", L"RESS");
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  const std::string_view bytes(static_cast<const char*>(data), SizeofResource(module, resource));
  const std::string path = programFolder + "skins\\default.tks";
  CreateDirectoryW(Widen(programFolder + "skins").c_str(), nullptr);
  return ResourceToFile(bytes, path) ? path : std::string();
}

std::string TemporaryFolder() {
  wchar_t buffer[MAX_PATH + 1] = L"";
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  std::string folder = length ? Narrow(std::wstring_view(buffer, length)) : std::string(".\\");
  if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

}  // namespace tikolvo
