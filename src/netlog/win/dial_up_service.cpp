// The 64-bit interface table's types are declared for Vista and later only;
// its functions are looked up at run time, so the program still starts on XP.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
#include <ras.h>

#include "netlog/win/dial_up_service.h"

#include <vector>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

constexpr DWORD kRasIpProjection = 0x8021;

// The IP helper stays loaded once a pass has found it: loading it again for
// every pass, once a second, cost more than the pass itself.
class IpHelperLibrary {
 public:
  IpHelperLibrary() : module_(SystemLibrary(L"IPHLPAPI.DLL")) {}
  explicit operator bool() const { return module_ != nullptr; }
  template <typename Fn>
  Fn Function(const char* name) const {
    return module_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

std::string BytesOf(const UCHAR* bytes, ULONG length, ULONG most) {
  return std::string(reinterpret_cast<const char*>(bytes), length < most ? length : most);
}

bool ReadWideTable(const IpHelperLibrary& library, AdapterTables& tables) {
  using GetTable = DWORD(WINAPI*)(PMIB_IF_TABLE2*);
  using FreeTable = VOID(WINAPI*)(PVOID);
  const auto getTable = library.Function<GetTable>("GetIfTable2");
  const auto freeTable = library.Function<FreeTable>("FreeMibTable");
  if (!getTable || !freeTable) return false;
  PMIB_IF_TABLE2 table = nullptr;
  if (getTable(&table) != NO_ERROR || !table) return true;  // a failed call: no interface this pass
  for (ULONG i = 0; i < table->NumEntries; ++i) {
    const MIB_IF_ROW2& row = table->Table[i];
    tables.interfaces.push_back({Narrow(row.Description), row.InterfaceIndex,
                                 static_cast<std::uint32_t>(row.ReceiveLinkSpeed > 0xFFFFFFFFull ? 0xFFFFFFFFull
                                                                                                 : row.ReceiveLinkSpeed),
                                 BytesOf(row.PhysicalAddress, row.PhysicalAddressLength, IF_MAX_PHYS_ADDRESS_LENGTH),
                                 row.InOctets, row.OutOctets});
  }
  freeTable(table);
  tables.wideCounters = true;
  return true;
}

bool ReadNarrowTable(const IpHelperLibrary& library, AdapterTables& tables) {
  using GetTable = DWORD(WINAPI*)(PMIB_IFTABLE, PULONG, BOOL);
  const auto getTable = library.Function<GetTable>("GetIfTable");
  if (!getTable) return false;
  ULONG size = 0;
  getTable(nullptr, &size, FALSE);
  std::vector<unsigned char> buffer(size ? size : sizeof(MIB_IFTABLE));
  auto* table = reinterpret_cast<PMIB_IFTABLE>(buffer.data());
  if (getTable(table, &size, FALSE) != NO_ERROR) return true;
  for (DWORD i = 0; i < table->dwNumEntries; ++i) {
    const MIB_IFROW& row = table->table[i];
    const std::string description(reinterpret_cast<const char*>(row.bDescr),
                                  row.dwDescrLen < MAXLEN_IFDESCR ? row.dwDescrLen : MAXLEN_IFDESCR);
    tables.interfaces.push_back({description.c_str(), row.dwIndex, row.dwSpeed,
                                 BytesOf(row.bPhysAddr, row.dwPhysAddrLen, MAXLEN_PHYSADDR), row.dwInOctets,
                                 row.dwOutOctets});
  }
  return true;
}

void ReadAddresses(const IpHelperLibrary& library, AdapterTables& tables) {
  using GetAddresses = DWORD(WINAPI*)(PMIB_IPADDRTABLE, PULONG, BOOL);
  const auto getAddresses = library.Function<GetAddresses>("GetIpAddrTable");
  if (!getAddresses) return;
  ULONG size = 0;
  getAddresses(nullptr, &size, FALSE);
  std::vector<unsigned char> buffer(size ? size : sizeof(MIB_IPADDRTABLE));
  auto* table = reinterpret_cast<PMIB_IPADDRTABLE>(buffer.data());
  if (getAddresses(table, &size, FALSE) != NO_ERROR) return;
  for (DWORD i = 0; i < table->dwNumEntries; ++i)
    tables.addresses.push_back({table->table[i].dwAddr, table->table[i].dwIndex});
}

}  // namespace

std::string RasDialUpService::ClientAddress(std::uintptr_t handle) {
  using GetProjection = DWORD(WINAPI*)(HRASCONN, DWORD, LPVOID, LPDWORD);
  const auto getProjection = SystemFunction<GetProjection>(L"rasapi32.dll", "RasGetProjectionInfoW");
  if (!getProjection || handle == 0) return {};
  RASPPPIPW projection{};
  projection.dwSize = sizeof(projection);
  DWORD size = sizeof(projection);
  if (getProjection(reinterpret_cast<HRASCONN>(handle), kRasIpProjection, &projection, &size) != 0) return {};
  projection.szIpAddress[RAS_MaxIpAddress] = L'\0';
  return Narrow(projection.szIpAddress);
}

std::optional<AdapterTables> IpHelperAdapters::Read() {
  const IpHelperLibrary library;
  if (!library) return std::nullopt;
  AdapterTables tables;
  if (!ReadWideTable(library, tables) && !ReadNarrowTable(library, tables)) return std::nullopt;
  ReadAddresses(library, tables);
  return tables;
}

}  // namespace tikolvo
