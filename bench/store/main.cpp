// Reads a full 600-dpi colour page (4.32 x 10 inches) three ways in the same
// run: a plain loop over the driver's read call, the page store with the
// scanner source alone, and the page store through the buffered source.
// Prints the times and their ratios, then the store's peak memory for a
// 5-inch and a 10-inch sheet (each measured in a fresh child process).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "device/DriverLink.h"
#include "device/ScanSequence.h"
#include "transfer/PageStore.h"

#ifdef GetMessage
#undef GetMessage
#endif

namespace {

constexpr int kRuns = 6;
constexpr uint32_t kChunkBytes = 131072;   // a transfer's read size

using SetValueFn = int(SI_CALL*)(const char*, const char*, const char*);

ScanSettings PageSettings(int16_t bottom, bool buffered)
{
    ScanSettings s;
    std::memset(&s, 0, sizeof(s));
    s.ScanMode = kModeColor;
    s.DPI = 600;
    s.Gamma = 18;
    s.Highlight = 255;
    s.Right = kScanAreaWidth;
    s.Bottom = bottom;
    s.DetectEOP = buffered ? 1 : 0;
    return s;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) / double(f.QuadPart);
}

bool OpenScanner()
{
    if (!TheScanner().Load()) {
        std::fprintf(stderr, "the simulated scanner TARVX380.dll was not found beside the program\n");
        return false;
    }
    auto setValue = reinterpret_cast<SetValueFn>(
        reinterpret_cast<void*>(GetProcAddress(TheScanner().Module(), "SIM_SetValue")));
    if (setValue) {
        setValue("Device", "BusyAfterScanMs", "0");
        setValue("Feeder", "Pages", "samples\\01-letter.png");   // longer than the area
    }
    return TheScanner().OpenInterface("Tarvex380") == 0;
}

// The baseline: the device started as the store starts it, then nothing but
// the driver's read call into one chunk buffer.
double PlainLoop(const ScanSettings& s, uint64_t* bytes)
{
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    int32_t width = 0, height = 0;
    if (BeginScan(s, 0, &width, &height) != 0)
        return -1;
    const int rowBytes = DeviceRowBytes();
    const int chunk = std::max<int>(1, kChunkBytes / rowBytes);
    std::vector<uint8_t> buffer(static_cast<size_t>(chunk) * rowBytes);
    int done = 0;
    while (done < height) {
        int got = 0;
        if (TheScanner().SI_ReadImageData(buffer.data(), std::min(chunk, height - done), 0, &got) != 0)
            return -1;
        done += got;
    }
    EndScan();
    QueryPerformanceCounter(&t1);
    *bytes = static_cast<uint64_t>(done) * rowBytes;
    return Seconds(t0, t1);
}

double ThroughStore(CPageStore& store, const ScanSettings& s, uint64_t* bytes)
{
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    if (store.Open(&s, false, nullptr) != kStoreOpened)
        return -1;
    store.SelectSide(0);
    const uint32_t length = store.Length(true);
    const uint32_t rowBytes = store.RowBytes(true);
    const uint32_t chunk = std::max<uint32_t>(1, kChunkBytes / rowBytes);
    std::vector<uint8_t> buffer(static_cast<size_t>(chunk) * rowBytes);
    uint32_t done = 0;
    while (done < length) {
        uint32_t got = 0;
        if (store.ReadRows(buffer.data(), std::min(chunk, length - done), 0, &got) != 0 || got == 0)
            break;
        done += got;
    }
    store.EndPage();
    store.CloseAll();
    QueryPerformanceCounter(&t1);
    *bytes = static_cast<uint64_t>(done) * rowBytes;
    return done == length ? Seconds(t0, t1) : -1;
}

SIZE_T PeakPrivate()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakPagefileUsage;
}

// Child: the plain loop first (the driver's own peak), then the buffered
// store on the same sheet; prints the extra peak the store needed.
int MeasureMemory(int16_t bottom)
{
    if (!OpenScanner())
        return 1;
    uint64_t bytes = 0;
    PlainLoop(PageSettings(bottom, false), &bytes);
    const SIZE_T before = PeakPrivate();
    CPageStore store;
    uint64_t storeBytes = 0;
    if (ThroughStore(store, PageSettings(bottom, true), &storeBytes) < 0)
        return 1;
    const SIZE_T after = PeakPrivate();
    std::printf("%llu %llu %llu\n", static_cast<unsigned long long>(storeBytes),
                static_cast<unsigned long long>(before), static_cast<unsigned long long>(after));
    return 0;
}

bool RunChild(const char* self, int bottom, std::string* out)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string command = std::string("\"") + self + "\" --memory " + std::to_string(bottom);
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (started) {
        char text[256];
        DWORD got = 0;
        while (ReadFile(readEnd, text, sizeof(text), &got, nullptr) && got > 0)
            out->append(text, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
    return started != 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return MeasureMemory(static_cast<int16_t>(std::atoi(argv[2])));
    if (!OpenScanner())
        return 1;

    const ScanSettings plain = PageSettings(kScanAreaLength, false);
    const ScanSettings buffered = PageSettings(kScanAreaLength, true);
    double best[3] = {1e9, 1e9, 1e9};
    uint64_t bytes[3] = {};
    CPageStore store;
    for (int run = 0; run < kRuns; ++run) {
        // Each way goes first in one run: the first scan after a feed pays
        // for loading the sheet.
        double times[3] = {};
        for (int k = 0; k < 3; ++k) {
            const int way = (run + k) % 3;
            times[way] = way == 0 ? PlainLoop(plain, &bytes[0])
                                  : ThroughStore(store, way == 1 ? plain : buffered, &bytes[way]);
        }
        for (int i = 0; i < 3; ++i) {
            if (times[i] < 0) {
                std::fprintf(stderr, "reading the page failed (way %d, status %d)\n", i, g_scanStatus);
                return 1;
            }
            best[i] = std::min(best[i], times[i]);
        }
    }
    std::printf("600-dpi colour page, 4.32 x 10 inches, best of %d runs\n", kRuns);
    std::printf("  plain driver loop     %7.3f s  %llu bytes\n", best[0], static_cast<unsigned long long>(bytes[0]));
    std::printf("  store, scanner only   %7.3f s  %llu bytes  ratio %.3f\n", best[1],
                static_cast<unsigned long long>(bytes[1]), best[1] / best[0]);
    std::printf("  store, buffered       %7.3f s  %llu bytes  ratio %.3f\n", best[2],
                static_cast<unsigned long long>(bytes[2]), best[2] / best[0]);

    std::printf("peak memory of the buffered store (beyond the plain loop's peak)\n");
    for (int bottom : {500, 1000}) {
        std::string out;
        unsigned long long pageBytes = 0, before = 0, after = 0;
        if (!RunChild(argv[0], bottom, &out) ||
            std::sscanf(out.c_str(), "%llu %llu %llu", &pageBytes, &before, &after) != 3) {
            std::fprintf(stderr, "memory run for %d failed: %s\n", bottom, out.c_str());
            return 1;
        }
        std::printf("  %2d-inch sheet: page %6.1f MiB, process peak %6.1f MiB, store adds %6.1f KiB\n",
                    bottom / 100, pageBytes / 1048576.0, after / 1048576.0, (after - before) / 1024.0);
    }
    return 0;
}
