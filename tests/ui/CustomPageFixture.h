// The Custom Settings page on its template in a sheet of this test program,
// over the simulated scanner bound in-process, with the imaging library's
// presence chosen per test. The sheet window is watched for the commands the
// page sends it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "SimulatedScanner.h"
#include "settings/ScanSettings.h"
#include "ui/CustomSettingsPage.h"

class CustomPageTest : public ::testing::Test {
public:
    static bool g_imaging;
    // WM_COMMAND ids and kMsgPollPaper values the sheet received.
    static std::vector<int> g_sheetCommands;
    static std::vector<int> g_pollMessages;

protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the sheet with the page in front; false when it could not.
    bool Show();

    HWND Item(int id) const { return GetDlgItem(page, id); }
    std::string Text(int id) const;
    bool Checked(int id) const { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    // The top of a control in the page's client, and the page's client height.
    int TopIn(int id) const;
    int PageHeight() const;
    void Click(int id);
    void Choose(int id, int index);
    void Scroll(int id, int position);
    int Selected(int id) const;
    std::string ItemText(int id, int index) const;
    int Count(int id) const;
    // Mouse messages on the preview window at client pixels.
    void Mouse(UINT message, int x, int y);
    static void Pump(DWORD ms = 50);
    // Removes the preview file (and its read-only flag).
    static void RemovePreviewFile();
    static bool FileExists(const std::string& path);
    // Files named PRV*.tmp next to the preview file.
    static int TempFileCount();

    SimulatedScanner sim;
    ScanSettings settings{};
    std::unique_ptr<CCustomSettingsPage> custom;
    HWND sheet = nullptr;
    HWND page = nullptr;
    CPreviewWnd* preview = nullptr;
};
