// Reads the process's resource figures with calls that work both on Windows
// and under Wine. Where Wine answers a counting call with 0 (the handle
// count, the GUI resource counts, the private usage), the figure is counted
// directly: valid handle values, the process's GDI handle table, the
// process's windows, committed private regions.
#include "ResourceFigures.h"

#include "HandleCount.h"

#include <windows.h>
#if defined(_MSC_VER)
#include <intrin.h>
#endif

#include <vector>

namespace {

long FreeTlsSlots()
{
    std::vector<DWORD> taken;
    for (DWORD slot; (slot = TlsAlloc()) != TLS_OUT_OF_INDEXES;)
        taken.push_back(slot);
    for (DWORD slot : taken)
        TlsFree(slot);
    return static_cast<long>(taken.size());
}

long Handles() { return CountProcessHandles(); }

// The GDI handle table the process environment block points to: 65,536
// entries of 24 bytes, a non-zero type byte marking an entry in use.
#pragma pack(push, 1)
struct GdiTableEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
#pragma pack(pop)
static_assert(sizeof(GdiTableEntry) == 24, "GDI table entry");
constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kPebGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit

const void* ProcessBlock()
{
#if defined(_MSC_VER)
    return reinterpret_cast<const void*>(__readgsqword(0x60));
#else
    const void* peb;
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
    return peb;
#endif
}

long GdiObjects()
{
    DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n > 0)
        return static_cast<long>(n);
    const BYTE* peb = reinterpret_cast<const BYTE*>(ProcessBlock());
    const GdiTableEntry* table = *reinterpret_cast<const GdiTableEntry* const*>(peb + kPebGdiTableOffset);
    if (!table)
        return 0;
    long used = 0;
    for (size_t i = 0; i < kGdiTableEntries; ++i)
        if (table[i].type)
            ++used;
    return used;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(count);
        EnumChildWindows(window, CountOwnWindow, count);
    }
    return TRUE;
}

long UserObjects()
{
    DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (n > 0)
        return static_cast<long>(n);
    long windows = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&windows));
    // Message-only windows are not top-level windows to EnumWindows.
    for (HWND w = nullptr; (w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) != nullptr;)
        CountOwnWindow(w, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

long long HeapBytes()
{
    DWORD count = GetProcessHeaps(0, nullptr);
    std::vector<HANDLE> heaps(count + 16);
    count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    long long busy = 0;
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return busy;
}

long long PrivateBytes()
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += static_cast<long long>(info.RegionSize);
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return total;
}

}  // namespace

ResourceFigures ResourceFigures::Take()
{
    ResourceFigures f;
    f.heapBytes = HeapBytes();
    f.freeTlsSlots = FreeTlsSlots();
    f.handles = Handles();
    f.gdiObjects = GdiObjects();
    f.userObjects = UserObjects();
    f.privateBytes = PrivateBytes();
    return f;
}

ResourceFigures Difference(const ResourceFigures& before, const ResourceFigures& after)
{
    ResourceFigures d;
    d.freeTlsSlots = after.freeTlsSlots - before.freeTlsSlots;
    d.handles = after.handles - before.handles;
    d.gdiObjects = after.gdiObjects - before.gdiObjects;
    d.userObjects = after.userObjects - before.userObjects;
    d.heapBytes = after.heapBytes - before.heapBytes;
    d.privateBytes = after.privateBytes - before.privateBytes;
    return d;
}

std::string Describe(const ResourceFigures& f)
{
    char text[200];
    wsprintfA(text, "free TLS slots %ld, handles %ld, GDI %ld, USER %ld, heap %I64d B, private %I64d B",
              f.freeTlsSlots, f.handles, f.gdiObjects, f.userObjects, f.heapBytes, f.privateBytes);
    return text;
}
