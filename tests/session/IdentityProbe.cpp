// A small program that plays an application from a folder of its own, so
// that the driver library can be present or absent on its search path.
//   IdentityProbe <source.ds> get [<driver to copy beside me afterwards>]
//   IdentityProbe <source.ds> open
// Prints one line per call: "rc cc" and, for MSG_GET, whether the record came
// back all zero; the message boxes shown are printed as "box: <text>".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "MessageBoxRecorder.h"
#include "SourceHarness.h"

namespace {

bool AllZero(const TW_IDENTITY& id)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&id);
    for (size_t i = 0; i < sizeof id; ++i)
        if (p[i]) return false;
    return true;
}

void Get(SourceHarness& h)
{
    TW_IDENTITY id;
    std::memset(&id, 0xAB, sizeof id);
    const TW_UINT16 rc = h.Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &id);
    std::printf("get %u %u %s\n", rc, h.ConditionCode(), AllZero(id) ? "zero" : "filled");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    SourceHarness h("Probe App");
    if (!h.Load(argv[1])) return 3;
    if (std::strcmp(argv[2], "get") == 0) {
        Get(h);
        if (argc > 3) {
            char self[MAX_PATH];
            GetModuleFileNameA(nullptr, self, MAX_PATH);
            std::string target(self);
            target = target.substr(0, target.find_last_of('\\') + 1) + "TARVX380.dll";
            if (!CopyFileA(argv[3], target.c_str(), FALSE)) return 4;
            Get(h);
        }
    } else {
        MessageBoxRecorder boxes;
        TW_IDENTITY ds{};
        const TW_UINT16 rc = h.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds);
        std::printf("open %u %u\n", rc, h.ConditionCode());
        for (const RecordedBox& b : boxes.Boxes()) std::printf("box: %s|%s\n", b.caption.c_str(), b.text.c_str());
    }
    std::fflush(stdout);
    return 0;
}
