// Transfers a full 600-dpi colour page and a 300-dpi grey page (4.32 x 10
// inches) through the source's own operations in one run: native, memory in
// strips of the preferred size, and files in BMP and TIFF, against a plain
// loop that reads the same rows from the driver and writes the same
// bottom-up BMP file. Prints the best wall and processor times and their
// ratios to the plain loop, then the source's peak memory beyond the page for
// each mechanism (each measured in a fresh child process), then the pieces of
// a native transfer of the colour page timed alone.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "caps/CapValues.h"
#include "device/DriverLink.h"
#include "device/ScanSequence.h"
#include "device/ScannerSource.h"
#include "session/DataSourceApp.h"
#include "session/Router.h"
#include "transfer/BitmapWriter.h"
#include "transfer/ImageSource.h"

namespace {

constexpr int kRuns = 5;
constexpr uint32_t kChunk = 131072;
enum Way { kPlain, kNative, kMemory, kBmp, kTiff, kWays };
const char* const kNames[kWays] = {"plain driver loop + BMP", "native", "memory (preferred strips)",
                                   "file BMP", "file TIFF"};

TW_IDENTITY g_origin = {};
std::string g_folder;
// The plain loop's own buffers, which the source's figure is not charged with.
SIZE_T g_plainBuffers = 0;

TW_UINT16 TW_CALLINGSTYLE QuietManager(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32, TW_UINT16, TW_UINT16, TW_MEMREF)
{
    return TWRC_SUCCESS;
}

TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data)
{
    return Dispatch(&g_origin, dg, dat, msg, data);
}

ScanSettings PageSettings(bool colour)
{
    ScanSettings s = TheApp().m_settings;
    s.ScanMode = colour ? kModeColor : kModeGray;
    s.DPI = colour ? 600 : 300;
    s.DetectEOP = 0;
    s.AutoCrop = s.Photo = s.Deskew = s.AutoRotate = 0;
    s.Rotation = 0;
    s.ColorDropType = 0;
    s.ContinuousScan = 0;
    s.Top = s.Left = 0;
    s.Right = kScanAreaWidth;
    s.Bottom = kScanAreaLength;
    return s;
}

bool OpenSource()
{
    std::strcpy(g_origin.ProductName, "Transfer Bench");
    TW_ENTRYPOINT ep = {};
    ep.Size = sizeof ep;
    ep.DSM_Entry = &QuietManager;
    ep.DSM_MemAllocate = [](TW_UINT32 n) -> TW_HANDLE { return GlobalAlloc(GMEM_MOVEABLE, n); };
    ep.DSM_MemFree = [](TW_HANDLE h) { GlobalFree(h); };
    ep.DSM_MemLock = [](TW_HANDLE h) -> TW_MEMREF { return GlobalLock(h); };
    ep.DSM_MemUnlock = [](TW_HANDLE h) { GlobalUnlock(h); };
    Call(DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &ep);
    TW_IDENTITY ds = {};
    if (Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds) != TWRC_SUCCESS) return false;
    using SetValueFn = int(SI_CALL*)(const char*, const char*, const char*);
    auto setValue = reinterpret_cast<SetValueFn>(
        reinterpret_cast<void*>(GetProcAddress(TheScanner().Module(), "SIM_SetValue")));
    if (!setValue) return false;
    setValue("Device", "BusyAfterScanMs", "0");
    setValue("Feeder", "Pages", "samples\\01-letter.png");   // longer than the area
    TheCapValues().indicators = 0;                          // no progress dialog
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    g_folder = temp;
    return true;
}

// The process's own processor time (user and kernel): what other programs on
// a shared machine do inflates it far less than the wall clock.
double ProcessorSeconds()
{
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
    auto seconds = [](const FILETIME& t) {
        return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

// The baseline: the device started as the source starts it, the rows read
// in chunks, each chunk reversed and written once at its place from the end
// of a pre-sized bottom-up BMP file.
bool PlainLoop(const ScanSettings& s, const std::string& path)
{
    int32_t width = 0, height = 0;
    if (BeginScan(s, TheCapValues().eopSensitivity, &width, &height) != 0) return false;
    const uint32_t bits = ScanBitsPerPixel(s);
    const uint32_t rowBytes = PaddedRowBytes(width, bits);
    const uint32_t deviceRow = static_cast<uint32_t>(DeviceRowBytes());
    const uint32_t palette = bits == 8 ? 1024 : (bits == 1 ? 8 : 0);
    const uint32_t header = 54 + palette;
    const uint32_t total = header + rowBytes * height;
    std::vector<uint8_t> head(header, 0);
    head[0] = 'B';
    head[1] = 'M';
    std::memcpy(&head[2], &total, 4);
    std::memcpy(&head[10], &header, 4);
    BITMAPINFOHEADER bi = {sizeof bi, width, height, 1, static_cast<WORD>(bits), BI_RGB, rowBytes * height};
    std::memcpy(&head[14], &bi, sizeof bi);
    for (uint32_t i = 0; i < palette / 4; ++i) head[54 + 4 * i] = head[55 + 4 * i] = head[56 + 4 * i] = uint8_t(i);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    LARGE_INTEGER at;
    at.QuadPart = total;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    at.QuadPart = 0;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    WriteFile(file, head.data(), header, &written, nullptr);
    const int chunk = std::max<int>(1, kChunk / rowBytes);
    std::vector<uint8_t> raw(size_t(chunk) * deviceRow), flipped(size_t(chunk) * rowBytes);
    g_plainBuffers = raw.size() + flipped.size();
    int done = 0;
    bool ok = true;
    while (done < height && ok) {
        int got = 0;
        if (TheScanner().SI_ReadImageData(raw.data(), std::min(chunk, height - done), 0, &got) != 0) ok = false;
        for (int r = 0; r < got; ++r) {
            uint8_t* to = &flipped[size_t(got - 1 - r) * rowBytes];
            std::memcpy(to, &raw[size_t(r) * deviceRow], deviceRow);
            if (bits == 24)
                for (int x = 0; x < width; ++x) std::swap(to[3 * x], to[3 * x + 2]);
        }
        at.QuadPart = total - int64_t(rowBytes) * (done + got);
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        WriteFile(file, flipped.data(), rowBytes * got, &written, nullptr);
        done += got;
    }
    CloseHandle(file);
    EndScan();
    return ok && done == height;
}

// One page through the source by one mechanism.
bool ThroughSource(Way way, const ScanSettings& s, uint32_t* appBuffer)
{
    TheApp().m_settings = s;
    TW_USERINTERFACE ui = {FALSE, FALSE, nullptr};
    if (Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui) != TWRC_SUCCESS) return false;
    bool ok = false;
    if (way == kNative) {
        TW_HANDLE dib = nullptr;
        ok = Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib) == TWRC_XFERDONE;
        if (appBuffer && dib) *appBuffer = static_cast<uint32_t>(GlobalSize(dib));
        GlobalFree(dib);
    } else if (way == kMemory) {
        TW_SETUPMEMXFER setup = {};
        Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup);
        std::vector<uint8_t> buffer(setup.Preferred);
        if (appBuffer) *appBuffer = setup.Preferred;
        TW_UINT16 rc = TWRC_SUCCESS;
        while (rc == TWRC_SUCCESS) {
            TW_IMAGEMEMXFER x = {};
            x.Memory = {TWMF_APPOWNS | TWMF_POINTER, setup.Preferred, buffer.data()};
            rc = Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &x);
        }
        ok = rc == TWRC_XFERDONE;
    } else {
        TW_SETUPFILEXFER setup = {};
        std::snprintf(setup.FileName, sizeof setup.FileName, "%sbench_%s", g_folder.c_str(),
                      way == kTiff ? "page.tif" : "page.bmp");
        setup.Format = way == kTiff ? TWFF_TIFF : TWFF_BMP;
        Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup);
        ok = Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr) == TWRC_XFERDONE;
        if (appBuffer) *appBuffer = 0;
    }
    TW_PENDINGXFERS pending = {};
    Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
    Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
    return ok;
}

bool RunWay(Way way, const ScanSettings& s, uint32_t* appBuffer = nullptr)
{
    return way == kPlain ? PlainLoop(s, g_folder + "bench_plain.bmp") : ThroughSource(way, s, appBuffer);
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS c = {};
    c.cb = sizeof c;
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return c.PagefileUsage;
}

// The most private memory seen, sampled every millisecond by one thread for
// the whole child: Wine reports no true peak (its "peak" is the current
// figure), and what a transfer holds lives for the whole transfer. One
// thread throughout, so that its own stack is in every figure alike.
class PeakWatch {
public:
    PeakWatch() : m_peak(static_cast<LONG64>(PrivateBytes()))
    {
        m_thread = CreateThread(nullptr, 0, &PeakWatch::Run, this, 0, nullptr);
    }
    ~PeakWatch()
    {
        InterlockedExchange(&m_stop, 1);
        if (m_thread) {
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
        }
    }
    bool Running() const { return m_thread != nullptr; }
    // The peak since the last call; the next one starts from the present.
    SIZE_T TakePeak()
    {
        Sample();
        return static_cast<SIZE_T>(InterlockedExchange64(&m_peak, static_cast<LONG64>(PrivateBytes())));
    }

private:
    static DWORD WINAPI Run(void* self)
    {
        auto* watch = static_cast<PeakWatch*>(self);
        while (!InterlockedCompareExchange(&watch->m_stop, 0, 0)) {
            watch->Sample();
            Sleep(1);
        }
        return 0;
    }
    void Sample()
    {
        const LONG64 now = static_cast<LONG64>(PrivateBytes());
        LONG64 seen = m_peak;
        while (now > seen) {
            const LONG64 was = InterlockedCompareExchange64(&m_peak, now, seen);
            if (was == seen) break;
            seen = was;
        }
    }

    HANDLE m_thread = nullptr;
    volatile LONG m_stop = 0;
    volatile LONG64 m_peak;
};

// Child: the plain loop twice (the first settles what the driver keeps; the
// second's peak, less the loop's two chunk buffers, is the baseline), then
// the mechanism; prints the extra peak and what the application's buffer or
// DIB needed.
int MeasureMemory(bool colour, Way way)
{
    if (!OpenSource()) return 1;
    const ScanSettings s = PageSettings(colour);
    PeakWatch watch;
    if (!watch.Running() || !RunWay(kPlain, s)) return 1;
    watch.TakePeak();
    if (!RunWay(kPlain, s)) return 1;
    const SIZE_T before = watch.TakePeak() - g_plainBuffers;
    uint32_t appBuffer = 0;
    if (!RunWay(way, s, &appBuffer)) return 1;
    const SIZE_T after = watch.TakePeak();
    std::printf("%lld %u\n", static_cast<long long>(after) - static_cast<long long>(before), appBuffer);
    return 0;
}

bool RunChild(const char* self, bool colour, Way way, std::string* out)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string command = std::string("\"") + self + "\" --memory " + (colour ? "1 " : "0 ") + std::to_string(way);
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (started) {
        char text[256];
        DWORD got = 0;
        while (ReadFile(readEnd, text, sizeof text, &got, nullptr) && got > 0) out->append(text, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
    return started != 0;
}

// Where a native transfer's time goes, the colour page's pieces timed alone:
// the driver's rows, the chunk flip, the DIB block allocated and touched for
// the first time, the copies into it; and the plain loop's file writes.
void NativeParts()
{
    const ScanSettings s = PageSettings(true);
    int32_t width = 0, height = 0;
    if (BeginScan(s, TheCapValues().eopSensitivity, &width, &height) != 0) return;
    const uint32_t rowBytes = PaddedRowBytes(width, 24);
    const uint32_t deviceRow = static_cast<uint32_t>(DeviceRowBytes());
    const uint32_t chunk = std::max<uint32_t>(1, kChunk / rowBytes) | 1;
    const size_t total = size_t(rowBytes) * height + 40;
    std::vector<uint8_t> buffer(size_t(chunk) * std::max(rowBytes, deviceRow));
    double t0 = Now();
    for (int done = 0, got = 1; done < height && got > 0; done += got) {
        got = 0;
        if (TheScanner().SI_ReadImageData(buffer.data(), std::min<int>(chunk, height - done), 0, &got) != 0) break;
    }
    const double read = Now() - t0;
    EndScan();
    const uint32_t chunks = (height + chunk - 1) / chunk;
    t0 = Now();
    for (uint32_t c = 0; c < chunks; ++c) FlipChunk(buffer.data(), chunk, rowBytes, width, 24);
    const double flip = Now() - t0;
    t0 = Now();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, total);
    auto* data = static_cast<uint8_t*>(GlobalLock(block));
    if (!data) return;
    for (size_t at = 0; at < total; at += 4096) data[at] = 0;
    const double touch = Now() - t0;
    t0 = Now();
    for (uint32_t c = 0; c + 1 < chunks; ++c) std::memcpy(data + size_t(c) * chunk * rowBytes, buffer.data(), chunk * rowBytes);
    const double copy = Now() - t0;
    GlobalUnlock(block);
    GlobalFree(block);
    const std::string path = g_folder + "bench_parts.bin";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    t0 = Now();
    DWORD written = 0;
    for (uint32_t c = 0; c < chunks; ++c) WriteFile(file, buffer.data(), chunk * rowBytes, &written, nullptr);
    CloseHandle(file);
    const double write = Now() - t0;
    DeleteFileA(path.c_str());
    std::printf("  native's pieces on the colour page: driver rows %.3f s, flips %.3f s, DIB block first touch "
                "%.3f s (%zu KiB), copies into it %.3f s; the plain loop's file writes %.3f s\n",
                read, flip, touch, total / 1024, copy, write);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--memory") == 0)
        return MeasureMemory(std::atoi(argv[2]) != 0, static_cast<Way>(std::atoi(argv[3])));
    if (!OpenSource()) {
        std::fprintf(stderr, "the source could not be opened with the simulated scanner beside the program\n");
        return 1;
    }
    for (bool colour : {true, false}) {
        const ScanSettings s = PageSettings(colour);
        double best[kWays], bestCpu[kWays];
        std::fill(best, best + kWays, 1e9);
        std::fill(bestCpu, bestCpu + kWays, 1e9);
        for (int run = 0; run < kRuns; ++run)
            for (int k = 0; k < kWays; ++k) {
                const Way way = static_cast<Way>((run + k) % kWays);
                const double t0 = Now(), c0 = ProcessorSeconds();
                if (!RunWay(way, s)) {
                    std::fprintf(stderr, "%s failed (status %d)\n", kNames[way], g_scanStatus);
                    return 1;
                }
                best[way] = std::min(best[way], Now() - t0);
                bestCpu[way] = std::min(bestCpu[way], ProcessorSeconds() - c0);
            }
        std::printf("%s page, 4.32 x 10 inches, best of %d runs (target: 1.25, TIFF 2.0)\n",
                    colour ? "600-dpi colour" : "300-dpi grey", kRuns);
        for (int w = 0; w < kWays; ++w)
            std::printf("  %-26s %7.3f s  ratio %.3f   processor %7.3f s  ratio %.3f\n", kNames[w], best[w],
                        best[w] / best[kPlain], bestCpu[w], bestCpu[w] / bestCpu[kPlain]);
        std::printf("  source's peak beyond the plain loop and the application's buffer or DIB (target 128 KiB)\n");
        for (int w = kNative; w < kWays; ++w) {
            std::string out;
            long long extra = 0;
            unsigned app = 0;
            if (!RunChild(argv[0], colour, static_cast<Way>(w), &out) ||
                std::sscanf(out.c_str(), "%lld %u", &extra, &app) != 2) {
                std::fprintf(stderr, "memory run of %s failed: %s\n", kNames[w], out.c_str());
                return 1;
            }
            const double beyond = (double(extra) - double(app)) / 1024.0;
            std::printf("    %-26s %8.1f KiB\n", kNames[w], beyond < 0 ? 0.0 : beyond);
        }
    }
    NativeParts();
    TW_IDENTITY none = {};
    Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &none);
    DeleteFileA((g_folder + "bench_plain.bmp").c_str());
    DeleteFileA((g_folder + "bench_page.bmp").c_str());
    DeleteFileA((g_folder + "bench_page.tif").c_str());
    return 0;
}
