#include "device/ConnectionRepair.h"

#include <windows.h>

#include <cctype>
#include <cstring>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/DriverLink.h"
#include "session/ShowMessage.h"

namespace {

const char kDeviceName[] = "Tarvex380";
constexpr unsigned long kSettleAfterInstallMs = 500;
constexpr unsigned long kSettleAfterCloseMs = 10;

void SleepMs(unsigned long ms) { Sleep(ms); }

ConnectionRepairHooks DefaultHooks() { return {&IsKnownUsbDevicePresent, &InstallConnectionDriver, &SleepMs}; }

ConnectionRepairHooks g_hooks = DefaultHooks();

void Tell(const tx::TextTable& text)
{
    ShowMessage(nullptr, tx::DsText(text).c_str(), kMessageCaption, MB_OK);
}

void CloseInterface()
{
    if (TheScanner().SI_CloseInterface) TheScanner().SI_CloseInterface();
}

// The driver package is installed while the scanner is unplugged; the
// library is then loaded afresh, since the old one may be gone.
int InstallMissingDriver(int code)
{
    Tell(tx::dstext::kTxtDriverInstallNeeded);
    if (!g_hooks.installConnectionDriver()) return code;
    Tell(tx::dstext::kTxtDriverInstalled);
    g_hooks.sleep(kSettleAfterInstallMs);
    CloseInterface();
    g_hooks.sleep(kSettleAfterCloseMs);
    if (!ReloadDriverLibrary()) return tx::OPEN_OTHER_FAILURE;
    return TheScanner().OpenInterface(kDeviceName);
}

int Reconnect()
{
    Tell(tx::dstext::kTxtConnectionRepaired);
    CloseInterface();
    g_hooks.sleep(kSettleAfterCloseMs);
    return TheScanner().OpenInterface(kDeviceName);
}

} // namespace

ConnectionRepairHooks& RepairHooks() { return g_hooks; }
void ResetRepairHooks() { g_hooks = DefaultHooks(); }

int RepairConnection(int code)
{
    if (code == tx::OPEN_DRIVER_MISSING && g_hooks.isKnownUsbDevicePresent()) code = InstallMissingDriver(code);
    if (code == tx::OPEN_RECONNECT) code = Reconnect();
    return code;
}

bool ReloadDriverLibrary() { return LoadDriver() == kDriverBound; }

bool IsKnownUsbDeviceId(const char* deviceId)
{
    static const char kNeedle[] = "VID_05E3&PID_0102";
    if (!deviceId) return false;
    const size_t n = std::strlen(deviceId), m = sizeof kNeedle - 1;
    for (size_t i = 0; i + m <= n; ++i) {
        size_t k = 0;
        while (k < m && std::toupper(static_cast<unsigned char>(deviceId[i + k])) == kNeedle[k]) ++k;
        if (k == m) return true;
    }
    return false;
}
