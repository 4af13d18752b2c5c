// Folders that refuse the page: a temporary folder that fills up while a
// page is buffered, a target folder that fills up under a file transfer,
// and a target folder that is read-only. The small and the read-only file
// systems are mounted for this program by faults_with_mounts.sh (as root);
// where that cannot be done the cases are skipped with the reason.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "FaultFixture.h"
#include "common/text/DsTexts.h"

namespace {

std::string Variable(const char* name)
{
    char value[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

class FolderFaults : public FaultTest {
protected:
    void SetUp() override
    {
        const std::string skip = Variable("TX_FAULTS_MOUNT_SKIP");
        if (!skip.empty()) GTEST_SKIP() << skip;
        const std::string small = Variable("TX_FAULTS_SMALL");
        const std::string readOnly = Variable("TX_FAULTS_READONLY");
        if (small.empty() || readOnly.empty())
            GTEST_SKIP() << "no small and read-only file systems: run through faults_with_mounts.sh";
        m_small = WindowsPath(small.c_str());
        m_readOnly = WindowsPath(readOnly.c_str());
        FaultTest::SetUp();
        ASSERT_TRUE(FilesIn(m_small).empty()) << m_small;
    }

    // 3 x 6 inches of grey, 405 KB: more than the 64 KB file system holds.
    static ScanSettings Large(bool buffered)
    {
        ScanSettings s = Page();
        s.DetectEOP = buffered ? 1 : 0;
        return s;
    }
    // 1 x 1 inch, 23 KB: fits.
    static ScanSettings Small(bool buffered)
    {
        ScanSettings s = Settings(kModeGray, 150, 100, 100);
        s.DetectEOP = buffered ? 1 : 0;
        return s;
    }

    std::string m_small, m_readOnly;
};

class FullTemporaryFolder : public FolderFaults, public ::testing::WithParamInterface<bool> {};

TEST_P(FullTemporaryFolder, ABufferedPageFailsAsAFileErrorAndGivesTheSpaceBack)
{
    const bool memory = GetParam();
    UseTempFolder(m_small);
    Start(Large(true));
    MessageBoxRecorder boxes;
    if (memory) {
        PageRows page;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Memory(&page));
        EXPECT_EQ(page.length, 0u);
    } else {
        TW_HANDLE dib = nullptr;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Native(&dib));
        EXPECT_EQ(dib, nullptr);
    }
    ExpectOneBox(boxes, tx::dstext::kTxtScanFileError);
    // A page that fits scans through the same folder: the failed page's file
    // is gone and its space with it.
    ExpectNextPageScans(Small(true));
}

INSTANTIATE_TEST_SUITE_P(NativeAndMemory, FullTemporaryFolder, ::testing::Bool());

class FullTargetFolder : public FolderFaults, public ::testing::WithParamInterface<TW_UINT16> {};

TEST_P(FullTargetFolder, LeavesNoPartOfTheFile)
{
    Start(Large(false));
    MessageBoxRecorder boxes;
    const std::string target = m_small + "page.img";
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, FileXfer(target, GetParam()));
    ExpectOneBox(boxes, tx::dstext::kTxtScanFileError);
    EXPECT_NOTHING_LEFT(FilesIn(m_small));
    EXPECT_NOTHING_LEFT(Leftovers());
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    // A page that fits goes into the same folder.
    Apply(Small(false));
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
    EXPECT_EQ(FileXfer(target, GetParam()), TWRC_XFERDONE) << Describe();
    EXPECT_TRUE(FileExists(target));
    DeleteFileA(target.c_str());
}

INSTANTIATE_TEST_SUITE_P(BmpAndTiff, FullTargetFolder, ::testing::Values(TW_UINT16(TWFF_BMP), TW_UINT16(TWFF_TIFF)));

class ReadOnlyTarget : public FolderFaults, public ::testing::WithParamInterface<TW_UINT16> {};

TEST_P(ReadOnlyTarget, FailsAsAFileErrorAndKeepsWhatWasThere)
{
    const std::string kept = m_readOnly + "kept.bmp";
    const std::string before = ReadTextFile(kept);
    ASSERT_FALSE(before.empty()) << "the read-only folder holds a file of its own";
    Start();
    for (const std::string& target : {m_readOnly + "page.bmp", kept}) {
        SCOPED_TRACE(target);
        MessageBoxRecorder boxes;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, FileXfer(target, GetParam()));
        ExpectOneBox(boxes, tx::dstext::kTxtScanFileError);
        EXPECT_EQ(FilesIn(m_readOnly), std::vector<std::string>{"kept.bmp"});
        EXPECT_EQ(ReadTextFile(kept), before);
        EXPECT_NOTHING_LEFT(Leftovers());
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        EXPECT_EQ(Disable(), TWRC_SUCCESS);
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
    }
    // A folder that takes files gets the page.
    TempFolder writable;
    EXPECT_EQ(FileXfer(writable.File("page.bmp"), GetParam()), TWRC_XFERDONE) << Describe();
    EXPECT_TRUE(FileExists(writable.File("page.bmp")));
}

INSTANTIATE_TEST_SUITE_P(BmpAndTiff, ReadOnlyTarget, ::testing::Values(TW_UINT16(TWFF_BMP), TW_UINT16(TWFF_TIFF)));

} // namespace
