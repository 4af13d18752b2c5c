#include "FaultFixture.h"

#include <windows.h>

#include <algorithm>

#include "common/text/DsLanguage.h"

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WindowsPath(const char* unixPath)
{
    std::string path = std::string("Z:") + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.back() != '\\') path += '\\';
    return path;
}

namespace {

bool ReadVariable(const char* name, std::string* value)
{
    char buffer[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer) return false;
    value->assign(buffer, n);
    return true;
}

} // namespace

ScopedTempPath::ScopedTempPath(const std::string& folder)
{
    m_hadTmp = ReadVariable("TMP", &m_tmp);
    m_hadTemp = ReadVariable("TEMP", &m_temp);
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());
}

ScopedTempPath::~ScopedTempPath()
{
    SetEnvironmentVariableA("TMP", m_hadTmp ? m_tmp.c_str() : nullptr);
    SetEnvironmentVariableA("TEMP", m_hadTemp ? m_temp.c_str() : nullptr);
}

void FaultTest::SetUp()
{
    m_temp = std::make_unique<TempFolder>();
    UseTempFolder(m_temp->Path());
    XferTest::SetUp();
}

void FaultTest::TearDown()
{
    if (!m_temp) return; // skipped before the set-up
    XferTest::TearDown();
    m_tempPath.reset();
    m_temp.reset();
}

void FaultTest::UseTempFolder(const std::string& folder)
{
    m_tempPath.reset();
    m_tempPath = std::make_unique<ScopedTempPath>(folder);
    m_tempFolder = folder;
    char seen[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, seen);
    ASSERT_EQ(std::string(seen), folder) << "the source takes its temporary folder from TMP";
}

ScanSettings FaultTest::Page() { return Settings(kModeGray, 150, 300, 600); }

void FaultTest::Start(const ScanSettings& s)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(s);
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
}

void FaultTest::ExpectOneBox(const MessageBoxRecorder& boxes, const tx::TextTable& text)
{
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_EQ(boxes.Boxes()[0].text, tx::DsText(text));
}

void FaultTest::ExpectNextPageScans(const ScanSettings& s)
{
    EXPECT_EQ(Pending(MSG_GET), 0) << "a failed page ends the transfers";
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(sim.Status("Scanning"), 0) << "the failed scan was ended";
    EXPECT_NOTHING_LEFT(Leftovers());
    ExpectPageScans(s);
}

void FaultTest::ExpectPageScans(const ScanSettings& s)
{
    Apply(s);
    MessageBoxRecorder boxes;
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << Describe();
    const PageRows page = FromDibHandle(dib);
    GlobalFree(dib);
    EXPECT_EQ(page.width, uint32_t(s.Right - s.Left) * uint32_t(s.DPI) / 100u);
    EXPECT_GT(page.length, 0u);
    if (!s.DetectEOP) {
        EXPECT_EQ(page.length, uint32_t(s.Bottom - s.Top) * uint32_t(s.DPI) / 100u);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_NOTHING_LEFT(Leftovers());
}
