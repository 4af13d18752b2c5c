// Holds the Advanced page, the confirmation dialog and the context menu on
// the screen, one after the other, while scripts/screenshots/wiaui.sh takes
// a picture of each. Runs only when TX_WIAUI_SHOTS names a folder: for each
// picture the test writes <name>.ready there and waits for <name>.done.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

#include "MessageBoxRecorder.h"
#include "PageSheet.h"
#include "SimulatedScanner.h"
#include "WIAUI/AdvancedPage.h"
#include "WIAUI/FirstUse.h"
#include "WIAUI/MaintenanceFlows.h"
#include "WIAUI/Server.h"

namespace {

constexpr DWORD kWaitMs = 20000;
std::string g_folder;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Announces one picture and waits (pumping messages) until it was taken.
void Capture(const char* name)
{
    const std::string base = g_folder + "\\" + name;
    PumpMessages();
    Sleep(300);
    PumpMessages();
    HANDLE f = CreateFileA((base + ".ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
    PumpUntil([&] { return Exists(base + ".done"); }, kWaitMs);
}

void CALLBACK ShootConfirm(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    Capture("confirm");
    if (HWND dialog = FindWindowA("#32770", "Calibrate")) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void CALLBACK ShootMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    Capture("menu");
    EndMenu();
}

class Screenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* folder = std::getenv("TX_WIAUI_SHOTS");
        if (!folder || !*folder) GTEST_SKIP() << "TX_WIAUI_SHOTS names no folder";
        g_folder = folder;
    }
};

TEST_F(Screenshots, PageDialogAndMenu)
{
    // The page over the seeded values, in a sheet as the control panel shows it.
    {
        PageSheet sheet({tx::wiaui::CreateAdvancedPage()});
        ASSERT_NE(sheet.Page(), nullptr);
        SetWindowPos(sheet.Sheet(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
        Capture("page");
        sheet.Cancel();
    }

    // The confirmation dialog of a calibration.
    {
        SimulatedScanner sim;
        ASSERT_TRUE(sim.Loaded());
        SetTimer(nullptr, 0, 200, ShootConfirm);
        EXPECT_EQ(tx::wiaui::RunCalibrateFlow(nullptr), S_OK);
    }

    // The context menu of the scanner's icon with the extension's items.
    HWND owner = CreateWindowExA(0, "STATIC", "Scanners and Cameras", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 420, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(owner);
    IContextMenu* menu = nullptr;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(tx::wiaui::GetClassObject(*tx::wiaui::ShellExtClassId(), IID_IClassFactory,
                                        reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)), S_OK);
    factory->Release();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 1, "Open");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING, 2, "Properties");
    EXPECT_EQ(menu->QueryContextMenu(popup, 2, 100, 200, CMF_NORMAL), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    SetTimer(nullptr, 0, 200, ShootMenu);
    TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_LEFTALIGN, 120, 100, owner, nullptr);
    DestroyMenu(popup);
    menu->Release();
    DestroyWindow(owner);
}

}  // namespace
