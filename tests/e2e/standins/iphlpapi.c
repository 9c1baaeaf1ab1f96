/* A stand-in for the IP helper's interface and address tables, scripted
 * from a file (see script.h). It has only the 32-bit table, as older
 * Windows does. */
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include "script.h"

struct Interfaces {
  int count;
  MIB_IFROW rows[16];
};

static void CollectInterface(const char* rest, void* context) {
  struct Interfaces* t = (struct Interfaces*)context;
  if (t->count >= 16) return;
  MIB_IFROW* row = &t->rows[t->count];
  memset(row, 0, sizeof(*row));
  unsigned long index = 0, in = 0, out = 0, speed = 0;
  if (sscanf(rest, "%lu %lu %lu %lu", &index, &in, &out, &speed) != 4) return;
  row->dwIndex = index;
  row->dwInOctets = in;
  row->dwOutOctets = out;
  row->dwSpeed = speed;
  row->dwPhysAddrLen = 6;
  const BYTE mac[6] = {0x00, 0x53, 0x45, 0x00, 0x00, (BYTE)index};
  memcpy(row->bPhysAddr, mac, 6);
  row->dwDescrLen = (DWORD)strlen("WAN Miniport (PPP)");
  memcpy(row->bDescr, "WAN Miniport (PPP)", row->dwDescrLen);
  t->count++;
}

__declspec(dllexport) DWORD WINAPI GetIfTable(PMIB_IFTABLE table, PULONG size, BOOL order) {
  struct Interfaces t;
  memset(&t, 0, sizeof(t));
  ReadScript("if", CollectInterface, &t);
  const ULONG needed = (ULONG)(sizeof(MIB_IFTABLE) + sizeof(MIB_IFROW) * (t.count ? t.count : 1));
  if (!table || *size < needed) {
    *size = needed;
    return ERROR_INSUFFICIENT_BUFFER;
  }
  table->dwNumEntries = (DWORD)t.count;
  memcpy(table->table, t.rows, sizeof(MIB_IFROW) * (size_t)t.count);
  return NO_ERROR;
}

struct Addresses {
  int count;
  MIB_IPADDRROW rows[16];
};

static void CollectAddress(const char* rest, void* context) {
  struct Addresses* t = (struct Addresses*)context;
  unsigned long index = 0;
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (t->count >= 16 || sscanf(rest, "%lu %u.%u.%u.%u", &index, &a, &b, &c, &d) != 5) return;
  MIB_IPADDRROW* row = &t->rows[t->count++];
  memset(row, 0, sizeof(*row));
  row->dwIndex = index;
  row->dwAddr = a | (b << 8) | (c << 16) | (d << 24);
}

__declspec(dllexport) DWORD WINAPI GetIpAddrTable(PMIB_IPADDRTABLE table, PULONG size, BOOL order) {
  struct Addresses t;
  memset(&t, 0, sizeof(t));
  ReadScript("ip", CollectAddress, &t);
  const ULONG needed = (ULONG)(sizeof(MIB_IPADDRTABLE) + sizeof(MIB_IPADDRROW) * (t.count ? t.count : 1));
  if (!table || *size < needed) {
    *size = needed;
    return ERROR_INSUFFICIENT_BUFFER;
  }
  table->dwNumEntries = (DWORD)t.count;
  memcpy(table->table, t.rows, sizeof(MIB_IPADDRROW) * (size_t)t.count);
  return NO_ERROR;
}
