#include "session/DataSourceApp.h"

#include <cstdio>
#include <cstring>

namespace {
// Outside a session the profile is the module's own INI file by name, which
// the profile functions look for in the Windows folder.
const char kDefaultProfileName[] = "TARVX380.INI";
const char kDefaultHelpFile[] = "TARVX380.hlp";
} // namespace

CDataSourceApp::CDataSourceApp()
    : m_settings(), m_status(), m_twainState(kStateLoaded), m_sectionName(), m_pendingXfers(-1),
      m_uiMode(kUiNone), m_hParent(nullptr), m_helpPath(), m_profilePath(),
      m_savedHelpFilePath(nullptr), m_savedProfileName(nullptr), m_hDriver(nullptr),
      m_dsIdentity(), m_appIdentity(), m_pszProfileName(kDefaultProfileName),
      m_pszHelpFilePath(kDefaultHelpFile)
{
}

CDataSourceApp::~CDataSourceApp() = default;

TW_UINT16 CDataSourceApp::Fail(TW_UINT16 conditionCode)
{
    m_status.ConditionCode = conditionCode;
    m_status.Data = 0;
    return TWRC_FAILURE;
}

int CDataSourceApp::GetProfileInt(const char* section, const char* key, int defaultValue) const
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, m_pszProfileName));
}

bool CDataSourceApp::WriteProfileInt(const char* section, const char* key, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileStringA(section, key, text, m_pszProfileName) != FALSE;
}

void CDataSourceApp::GetProfileString(const char* section, const char* key, const char* defaultValue,
                                      char* out, DWORD outSize) const
{
    GetPrivateProfileStringA(section, key, defaultValue, out, outSize, m_pszProfileName);
}

bool CDataSourceApp::WriteProfileString(const char* section, const char* key, const char* value) const
{
    return WritePrivateProfileStringA(section, key, value, m_pszProfileName) != FALSE;
}

void CDataSourceApp::InstallFiles(const char* helpPath, const char* profilePath)
{
    m_savedHelpFilePath = m_pszHelpFilePath;
    m_savedProfileName = m_pszProfileName;
    m_pszHelpFilePath = helpPath;
    m_pszProfileName = profilePath;
}

void CDataSourceApp::RestoreFiles()
{
    if (m_savedProfileName) m_pszProfileName = m_savedProfileName;
    if (m_savedHelpFilePath) m_pszHelpFilePath = m_savedHelpFilePath;
    m_savedProfileName = nullptr;
    m_savedHelpFilePath = nullptr;
}

namespace {
// Constructed when the module is loaded, destroyed when it is unloaded.
CDataSourceApp g_theApp;
} // namespace

CDataSourceApp& TheApp() { return g_theApp; }
