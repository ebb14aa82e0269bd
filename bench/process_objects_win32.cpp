// Counts the GDI, USER and kernel objects of a running process, for the soak (bench/soak.sh).
//   process_objects [PID]     without PID: the process of the clock's window
// Prints one line: gdi=N user=N windows=N kernel=N, then the GDI objects by kind.
// GetGuiResources answers on Windows; Wine leaves it unimplemented (0, error 120), so there
// the GDI count comes from the process's GDI handle table, which Wine keeps in the process
// and names in the PEB as on Windows, and USER objects are counted as the process's windows.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// Wine's GDI handle table: 0x10000 entries of 24 bytes, the kind in byte 14, 0 when free.
constexpr size_t kGdiHandles = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiTypeOffset = 14;
// GdiSharedHandleTable in the PEB.
constexpr size_t kPebGdiTable = sizeof(void*) == 4 ? 0x94 : 0xF8;
constexpr ULONG kSystemHandleInformation = 16;

// The kinds by the table's type byte; every other type counts as "other".
const struct {
  unsigned type;
  const char* name;
} kGdiKinds[] = {{0x01, "dc"},     {0x04, "region"}, {0x05, "surface"},   {0x08, "palette"},
                 {0x09, "bitmap"}, {0x0a, "font"},   {0x10, "brush_pen"}, {0, "other"}};

const char* GdiKind(unsigned type) {
  for (const auto& kind : kGdiKinds)
    if (kind.type == type) return kind.name;
  return "other";
}

// Reads the process's GDI handle table; empty when it cannot be read.
std::map<std::string, int> GdiTableKinds(HANDLE process) {
  std::map<std::string, int> kinds;
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return kinds;
  void* table = nullptr;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTable,
                         &table, sizeof table, &read) || !table)
    return kinds;
  std::vector<unsigned char> entries(kGdiHandles * kGdiEntrySize);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &read) || read != entries.size())
    return kinds;
  for (const auto& kind : kGdiKinds) kinds[kind.name] = 0;
  for (size_t i = 0; i < kGdiHandles; ++i)
    if (unsigned type = entries[i * kGdiEntrySize + kGdiTypeOffset]) ++kinds[GdiKind(type)];
  return kinds;
}

struct WindowCount {
  DWORD pid;
  int windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
  ++reinterpret_cast<WindowCount*>(lp)->windows;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lp) {
  auto* count = reinterpret_cast<WindowCount*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != count->pid) return TRUE;
  ++count->windows;
  EnumChildWindows(hwnd, CountChild, lp);
  return TRUE;
}

// Message-only windows are not top-level windows for EnumWindows: walk them as well.
int ProcessWindows(DWORD pid) {
  WindowCount count{pid};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
    CountTopLevel(w, reinterpret_cast<LPARAM>(&count));
  return count.windows;
}

// Kernel handles from the system's handle list (GetProcessHandleCount is 0 under Wine).
int KernelHandles(DWORD pid) {
  struct Entry {
    ULONG OwnerPid;
    UCHAR ObjectType, HandleFlags;
    USHORT HandleValue;
    PVOID ObjectPointer;
    ULONG AccessMask;
  };
  std::vector<char> buffer(1 << 20);
  for (;;) {
    ULONG needed = 0;
    const NTSTATUS status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation),
                                                     buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != 0) return -1;
    break;
  }
  const ULONG n = *reinterpret_cast<ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
  int count = 0;
  for (ULONG i = 0; i < n; ++i)
    if (entries[i].OwnerPid == pid) ++count;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  DWORD pid = 0;
  if (argc > 1) {
    pid = strtoul(argv[1], nullptr, 10);
  } else if (HWND clock = FindWindowA("TfrmMain", "Ormel Clock")) {
    GetWindowThreadProcessId(clock, &pid);
  }
  if (pid == 0) {
    std::fprintf(stderr, "process_objects: no such process (give a pid, or start the clock)\n");
    return 2;
  }
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) {
    std::fprintf(stderr, "process_objects: cannot open process %lu (error %lu)\n", pid, GetLastError());
    return 2;
  }
  int gdi = static_cast<int>(GetGuiResources(process, GR_GDIOBJECTS));
  int user = static_cast<int>(GetGuiResources(process, GR_USEROBJECTS));
  std::map<std::string, int> kinds;
  if (gdi == 0) {
    kinds = GdiTableKinds(process);
    for (const auto& kind : kinds) gdi += kind.second;
  }
  const int windows = ProcessWindows(pid);
  if (user == 0) user = windows;
  std::printf("gdi=%d user=%d windows=%d kernel=%d", gdi, user, windows, KernelHandles(pid));
  for (const auto& kind : kinds) std::printf(" %s=%d", kind.first.c_str(), kind.second);
  std::printf("\n");
  CloseHandle(process);
  return 0;
}
