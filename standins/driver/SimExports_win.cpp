// The exports of TARVX380.dll: the 21 SI_ functions of the driver interface
// and the SIM_ control functions. Each only forwards to the process's device;
// no exception leaves an export.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <new>

#include "SimControl.h"
#include "SimHost_win.h"

using sim::TheDevice;

namespace {

template <typename F>
int Guard(F f)
{
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return sim::kBusy;
    } catch (...) {
        return sim::kBadArgument;
    }
}

int CopyOut(const std::string& text, char* out, int size)
{
    if (out == nullptr || size <= 0)
        return sim::kBadArgument;
    if (text.size() >= static_cast<size_t>(size)) {
        out[0] = '\0';
        return sim::kBadArgument;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return sim::kOk;
}

}  // namespace

extern "C" {

int SI_CALL SI_OpenInterface(const char* name) { return Guard([&]() -> int { return TheDevice().OpenInterface(name); }); }
int SI_CALL SI_CloseInterface(void) { return Guard([&]() -> int { return TheDevice().CloseInterface(); }); }
int SI_CALL SI_GetScannerStatus(int* s) { return Guard([&]() -> int { return TheDevice().GetScannerStatus(s); }); }
int SI_CALL SI_GetPaperStatus(int* s) { return Guard([&]() -> int { return TheDevice().GetPaperStatus(s); }); }
int SI_CALL SI_IsCalibrated(int* c) { return Guard([&]() -> int { return TheDevice().IsCalibrated(c); }); }
int SI_CALL SI_GetProperty(SIProperty* p) { return Guard([&]() -> int { return TheDevice().GetProperty(p); }); }
int SI_CALL SI_SetProperty(SIProperty* p) { return Guard([&]() -> int { return TheDevice().SetProperty(p); }); }
int SI_CALL SI_StartScan(void) { return Guard([&]() -> int { return TheDevice().StartScan(); }); }
int SI_CALL SI_EndScan(void) { return Guard([&]() -> int { return TheDevice().EndScan(); }); }
int SI_CALL SI_ReadImageData(unsigned char* buffer, int rows, int side, int* delivered)
{
    return Guard([&]() -> int { return TheDevice().ReadImageData(buffer, rows, side, delivered); });
}
int SI_CALL SI_FeedPaperOut(void) { return Guard([&]() -> int { return TheDevice().FeedPaperOut(); }); }
int SI_CALL SI_Feed(void) { return Guard([&]() -> int { return TheDevice().Feed(); }); }
int SI_CALL SI_Calibrate(int mode, SIProgressCallback cb) { return Guard([&]() -> int { return TheDevice().Calibrate(mode, cb); }); }
int SI_CALL SI_Clean(SIProgressCallback cb) { return Guard([&]() -> int { return TheDevice().Clean(cb); }); }
int SI_CALL SI_GetButtonStatus(int b, int* p) { return Guard([&]() -> int { return TheDevice().GetButtonStatus(b, p); }); }
int SI_CALL SI_Reset(void) { return Guard([&]() -> int { return TheDevice().Reset(); }); }
int SI_CALL SI_Diagnostic(int t, int* r) { return Guard([&]() -> int { return TheDevice().Diagnostic(t, r); }); }
int SI_CALL SI_GetLastError(void) { return Guard([&]() -> int { return TheDevice().GetLastError(); }); }
int SI_CALL SI_GetLastErrorText(char* text) { return Guard([&]() -> int { return TheDevice().GetLastErrorText(text); }); }
int SI_CALL SI_GetEvent(int* e) { return Guard([&]() -> int { return TheDevice().GetEvent(e); }); }
int SI_CALL SI_UserData(void) { return sim::kOk; }

int SI_CALL SIM_Reset(void)
{
    return Guard([&]() -> int {
        TheDevice().Configure(sim::SimConfig());
        return sim::kOk;
    });
}

int SI_CALL SIM_LoadScenario(const char* path)
{
    return Guard([&]() -> int {
        if (path == nullptr)
            return sim::kBadArgument;
        sim::SimConfig config;
        std::string error;
        if (!sim::LoadScenarioFile(path, config, error)) {
            sim::SetControlMessage(error);
            return sim::kBadArgument;
        }
        TheDevice().Configure(config);
        return sim::kOk;
    });
}

int SI_CALL SIM_SaveScenario(const char* path)
{
    return Guard([&]() -> int {
        if (path == nullptr)
            return sim::kBadArgument;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << TheDevice().Config().Serialise();
        if (!out) {
            sim::SetControlMessage(std::string("cannot write ") + path);
            return sim::kFileAccessError;
        }
        return sim::kOk;
    });
}

int SI_CALL SIM_SetValue(const char* section, const char* key, const char* value)
{
    return Guard([&]() -> int {
        if (section == nullptr || key == nullptr || value == nullptr)
            return sim::kBadArgument;
        std::string error;
        if (!TheDevice().SetValue(section, key, value, error)) {
            sim::SetControlMessage(error);
            return sim::kBadArgument;
        }
        return sim::kOk;
    });
}

int SI_CALL SIM_GetValue(const char* section, const char* key, char* value, int size)
{
    return Guard([&]() -> int {
        std::string text;
        if (section == nullptr || key == nullptr || !TheDevice().GetValue(section, key, text)) {
            sim::SetControlMessage("unknown key");
            return sim::kBadArgument;
        }
        return CopyOut(text, value, size);
    });
}

int SI_CALL SIM_GetStatus(const char* name, int* value)
{
    return Guard([&]() -> int {
        if (name == nullptr || value == nullptr || !TheDevice().Status(name, *value))
            return sim::kBadArgument;
        return sim::kOk;
    });
}

int SI_CALL SIM_GetMessage(char* text, int size)
{
    return Guard([&]() -> int { return CopyOut(sim::ControlMessage(), text, size); });
}

}  // extern "C"
