// The data source's application object: one static instance per loaded
// module, holding the TWAIN session state, the status record, the settings of
// the next scan, both identities and the profile the settings are kept in.
#pragma once

#include <windows.h>

#include "settings/ScanSettings.h"
#include "twain/Twain.h"

// TWAIN session states this source moves through.
enum TwainState : int16_t {
    kStateLoaded = 3,       // source loaded, not open
    kStateOpen = 4,         // open: capability negotiation
    kStateEnabled = 5,      // user interface shown or acquisition under way
    kStateXferReady = 6,    // a transfer is ready
    kStateTransferring = 7,
};

// How the source was enabled.
enum UiMode : int32_t { kUiNone = 0, kUiOnly = 1, kUiShown = 2 };

class CDataSourceApp {
public:
    CDataSourceApp();
    ~CDataSourceApp();
    CDataSourceApp(const CDataSourceApp&) = delete;
    CDataSourceApp& operator=(const CDataSourceApp&) = delete;

    // Records a failure: the condition code with Data 0; returns TWRC_FAILURE.
    TW_UINT16 Fail(TW_UINT16 conditionCode);

    // Profile access on the installed profile file (values as decimal text;
    // 16-bit fields are written sign-extended).
    int GetProfileInt(const char* section, const char* key, int defaultValue) const;
    bool WriteProfileInt(const char* section, const char* key, int value) const;
    void GetProfileString(const char* section, const char* key, const char* defaultValue,
                          char* out, DWORD outSize) const;
    bool WriteProfileString(const char* section, const char* key, const char* value) const;

    // Installs a new profile file and help file, remembering the ones in force;
    // RestoreFiles puts the remembered ones back.
    void InstallFiles(const char* helpPath, const char* profilePath);
    void RestoreFiles();
    const char* ProfileName() const { return m_pszProfileName; }
    const char* HelpFilePath() const { return m_pszHelpFilePath; }

    ScanSettings m_settings;
    TW_STATUS m_status;
    int16_t m_twainState;
    char m_sectionName[16];
    int16_t m_pendingXfers;
    int32_t m_uiMode;
    HWND m_hParent;
    char m_helpPath[MAX_PATH];
    char m_profilePath[MAX_PATH];
    const char* m_savedHelpFilePath;
    const char* m_savedProfileName;
    HMODULE m_hDriver;
    TW_IDENTITY m_dsIdentity;
    TW_IDENTITY m_appIdentity;

private:
    // The files in force: the installed ones during a session, the module's
    // defaults otherwise.
    const char* m_pszProfileName;
    const char* m_pszHelpFilePath;
};

// The module's one application object.
CDataSourceApp& TheApp();
