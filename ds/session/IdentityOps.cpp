// DAT_IDENTITY: who the source is, and the opening and closing of a session.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "caps/CapValues.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/ConnectionRepair.h"
#include "device/DriverLink.h"
#include "device/ScannerChecks.h"
#include "device/ScanSequence.h"
#include "device/UvLamp.h"
#include "session/DataSourceApp.h"
#include "session/ScanSheetLink.h"
#include "session/ModuleHandle.h"
#include "session/Operations.h"
#include "session/ShowMessage.h"
#include "session/SourceIdentity.h"
#include "session/StateTable.h"
#include "transfer/MemoryXfer.h"
#include "transfer/FileXferTarget.h"
#include "transfer/PageStore.h"
#include "transfer/TempFiles.h"

namespace {

const char kDeviceName[] = "Tarvex380";
const char kHelpFile[] = "TARVX380.hlp";
const char kProfileFile[] = "TARVX380.INI";

// The driver library was found on the search path once; never cleared while
// the module stays loaded.
bool g_driverFound = false;

// How long closing waits at most for the ultraviolet lamp to go out: the
// longest on-time the settings allow, and some slack.
constexpr DWORD kLampPollMs = 50;
constexpr DWORD kLampWaitLimitMs = 12000;

bool DriverOnSearchPath()
{
    char oneByte[1];
    return SearchPathA(nullptr, tx::ScannerLibrary::kFileName, nullptr, sizeof oneByte, oneByte, nullptr) != 0;
}

TW_UINT16 IdentityGet(TW_IDENTITY* identity)
{
    if (!RequireState(Op::IdentityGet)) return TWRC_FAILURE;
    if (!identity) return FailNullRecord();
    if (!g_driverFound) {
        if (!DriverOnSearchPath()) {
            std::memset(identity, 0, sizeof *identity);
            return TheApp().Fail(TWCC_BUMMER);
        }
        g_driverFound = true;
    }
    WriteSourceIdentity(identity);
    return TWRC_SUCCESS;
}

// The help file beside the module; the profile in the per-user data folder,
// or beside the module when that folder cannot be had.
void InstallSessionFiles(CDataSourceApp& app)
{
    const std::string moduleFolder = ModuleFolder();
    std::snprintf(app.m_helpPath, sizeof app.m_helpPath, "%s%s", moduleFolder.c_str(), kHelpFile);
    char dataFolder[MAX_PATH] = {};
    const std::string folder = EnsureDataFolder(dataFolder) ? std::string(dataFolder) : moduleFolder;
    std::snprintf(app.m_profilePath, sizeof app.m_profilePath, "%s%s", folder.c_str(), kProfileFile);
    app.InstallFiles(app.m_helpPath, app.m_profilePath);
}

// The values negotiated outside the settings record start afresh for each
// application; the settings loaded next override pixel type and resolution.
void ResetNegotiatedValues(CDataSourceApp& app)
{
    ResetCapValuesAtOpen();
    ResetFileXferTarget();
    app.m_settings.ScanMode = kModeBlackWhite;
    app.m_settings.DPI = 300;
}

TW_UINT16 OpenDs(TW_IDENTITY* origin, TW_IDENTITY* dsIdentity)
{
    if (!RequireState(Op::OpenDs)) return TWRC_FAILURE;
    if (!dsIdentity) return FailNullRecord();
    CDataSourceApp& app = TheApp();

    InstallSessionFiles(app);
    if (origin)
        app.m_appIdentity = *origin;
    else
        std::memset(&app.m_appIdentity, 0, sizeof app.m_appIdentity);
    app.m_dsIdentity = *dsIdentity;

    switch (LoadDriver()) {
    case kDriverBound: break;
    case kDriverNotLoaded:
        ShowMessage(nullptr, tx::DsText(tx::dstext::kTxtDriverNotLoaded).c_str(), kMessageCaption, MB_OK);
        app.RestoreFiles();
        return app.Fail(TWCC_OPERATIONERROR);
    default:
        app.RestoreFiles();
        return app.Fail(TWCC_BUMMER);
    }

    // A scanner that does not answer does not fail the open: enabling the
    // source tries again.
    int code = TheScanner().OpenInterface(kDeviceName);
    if (code != 0) code = RepairConnection(code);
    if (code == 0) ReadResolutionList();

    ResetNegotiatedValues(app);
    MakeSectionName(app.m_appIdentity, app.m_sectionName);
    LoadScanSettings(app.m_sectionName, nullptr);

    MoveState(Op::OpenDs);
    app.m_pendingXfers = 0;
    return TWRC_SUCCESS;
}

void WaitForLampToGoOut()
{
    if (!IsUvLampPresent()) return;
    const DWORD start = GetTickCount();
    while (IsUvLampOn() && GetTickCount() - start < kLampWaitLimitMs) Sleep(kLampPollMs);
}

TW_UINT16 CloseDs()
{
    CDataSourceApp& app = TheApp();
    if (app.m_twainState <= kStateLoaded) return TWRC_SUCCESS;
    CloseScanSheet();
    // From any state: a running scan is ended, the page files are deleted and
    // the progress dialog goes (giving the application its window back)
    // while the driver is still bound, so nothing of the session outlives it.
    ThePageStore().CloseAll();
    ForgetMemoryXferPage();
    app.m_pendingXfers = 0;
    if (TheScanner().IsBound()) {
        EndScan();
        WaitForLampToGoOut();
        TheScanner().SI_CloseInterface();
    }
    FreeDriver();
    app.RestoreFiles();
    MoveState(Op::CloseDs);
    return TWRC_SUCCESS;
}

} // namespace

TW_UINT16 DsIdentity(TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data)
{
    auto* identity = static_cast<TW_IDENTITY*>(data);
    switch (msg) {
    case MSG_GET: return IdentityGet(identity);
    case MSG_OPENDS: return OpenDs(origin, identity);
    default: return CloseDs();
    }
}
