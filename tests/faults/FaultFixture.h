// A test application meeting a fault end to end through DS_Entry: the
// source's temporary folder is a private one (so that every file the source
// leaves there is seen), a helper ends the failed page and scans the next
// one, and the boxes the source shows are recorded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MessageBoxRecorder.h"
#include "TempFolder.h"
#include "XferFixture.h"
#include "common/text/TextTable.h"

// The files of a folder, by name (no folders).
std::vector<std::string> FilesIn(const std::string& folder);
bool FileExists(const std::string& path);
std::string WindowsPath(const char* unixPath);

// Points TMP and TEMP of this process at a folder for the life of the object
// and puts back the values in force before.
class ScopedTempPath {
public:
    explicit ScopedTempPath(const std::string& folder);
    ~ScopedTempPath();
    ScopedTempPath(const ScopedTempPath&) = delete;
    ScopedTempPath& operator=(const ScopedTempPath&) = delete;

private:
    std::string m_tmp, m_temp;
    bool m_hadTmp = false, m_hadTemp = false;
};

class FaultTest : public XferTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Grey at 150 dpi over 3 x 6 inches: 900 rows of 452 bytes.
    static ScanSettings Page();
    void Start(const ScanSettings& s = Page());
    // The one box shown, with the source's caption and this text.
    static void ExpectOneBox(const MessageBoxRecorder& boxes, const tx::TextTable& text);
    // After a failed page: nothing pending, the page ended, nothing left in
    // the temporary folder, and a whole page scans again.
    void ExpectNextPageScans(const ScanSettings& s = Page());
    // In state 4: the settings, an enable without boxes and a whole page.
    void ExpectPageScans(const ScanSettings& s = Page());
    // From now on the source's temporary folder is this one.
    void UseTempFolder(const std::string& folder);
    // What the source left in its temporary folder.
    std::vector<std::string> Leftovers() const { return FilesIn(m_tempFolder); }
    const std::string& TempPath() const { return m_tempFolder; }
    std::string Describe() { return app.Describe(TWRC_FAILURE); }

private:
    std::unique_ptr<TempFolder> m_temp;
    std::unique_ptr<ScopedTempPath> m_tempPath;
    std::string m_tempFolder;
};

#define EXPECT_NOTHING_LEFT(files) EXPECT_TRUE((files).empty()) << "left behind: " << ::testing::PrintToString(files)
