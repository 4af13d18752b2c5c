// Unique temporary file names, their fallback when the system gives none,
// and the per-user data folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <vector>

#include "TempFolder.h"
#include "transfer/TempFiles.h"

namespace {

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(MakeTempFileName, FallbackNamesAreFolderPrefixAndFourHexDigits)
{
    std::vector<std::string> tried;
    TempNameCalls calls;
    calls.uniqueName = [](const std::string&, const char*) { return std::string(); };
    calls.createNew = [&](const std::string& path) {
        tried.push_back(path);
        return tried.size() == 4;
    };
    calls.seed = 1234;
    const std::string name = MakeTempFileNameWith("DTS", "C:\\work\\", calls);
    ASSERT_EQ(tried.size(), 4u) << "the first name that can be created wins";
    EXPECT_EQ(name, tried.back());
    const std::regex form(R"(C:\\work\\DTS[0-7][0-9a-f]{3}\.tmp)");
    for (const std::string& t : tried)
        EXPECT_TRUE(std::regex_match(t, form)) << t;

    calls.createNew = [&](const std::string& path) {
        tried.push_back(path);
        return false;
    };
    tried.clear();
    const std::string last = MakeTempFileNameWith("PR", "C:\\out", calls);
    EXPECT_EQ(tried.size(), 32u);
    EXPECT_EQ(last, "") << "after 32 taken names none of them is handed out";
    EXPECT_TRUE(std::regex_match(tried.back(), std::regex(R"(C:\\out\\ PR[0-9a-f]{4}\.tmp)"))) << tried.back();
    EXPECT_GT(std::set<std::string>(tried.begin(), tried.end()).size(), 16u) << "names vary";
}

TEST(MakeTempFileName, SystemNameIsTakenWhenGiven)
{
    TempNameCalls calls;
    calls.uniqueName = [](const std::string& folder, const char* prefix) { return folder + prefix + "1.tmp"; };
    calls.createNew = [](const std::string&) -> bool { ADD_FAILURE() << "no fallback"; return false; };
    EXPECT_EQ(MakeTempFileNameWith("DTS", "D:\\t\\", calls), "D:\\t\\DTS1.tmp");
}

TEST(MakeTempFileName, ReservesAnEmptyFileInTheFolder)
{
    TempFolder folder;
    const std::string a = MakeTempFileName("PRV", folder.Path().c_str());
    const std::string b = MakeTempFileName("PRV", folder.Path().c_str());
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind(folder.Path() + "PRV", 0), 0u) << a;
    EXPECT_TRUE(FileExists(a));
    DeleteFileA(a.c_str());
    DeleteFileA(b.c_str());

    // In a folder that does not exist no name can be reserved: no name is
    // given, so nothing can be written anywhere under a borrowed name.
    const std::string missing = folder.Path() + "no such folder\\";
    EXPECT_EQ(MakeTempFileName("DTS", missing.c_str()), "");
}

TEST(EnsureDataFolder, GivesAndCreatesTheUserFolder)
{
    char path[MAX_PATH];
    ASSERT_TRUE(EnsureDataFolder(path));
    const std::string folder = path;
    ASSERT_GT(folder.size(), 8u);
    EXPECT_EQ(folder.substr(folder.size() - 8), "\\Mirevo\\");
    const DWORD attributes = GetFileAttributesA(path);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(EnsureDataFolder(nullptr));
}

} // namespace
