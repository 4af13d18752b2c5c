// The Advanced Settings page in a sheet of this test program, over the
// simulated scanner bound in-process and device values held in memory, with
// the imaging library's presence and the application's identity chosen per
// test. A second page lets a test leave the page and come back.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "SimulatedScanner.h"
#include "common/sti/MemoryDeviceStore.h"
#include "settings/ScanSettings.h"
#include "ui/AdvancedSettingsPage.h"

// A device-value store whose writes can be made to fail.
class RefusingStore : public tx::MemoryDeviceStore {
public:
    bool refuseWrites = false;
    bool Write(const char* deviceName, const char* valueName, uint32_t value) override
    {
        return !refuseWrites && MemoryDeviceStore::Write(deviceName, valueName, value);
    }
};

class AdvancedPageTest : public ::testing::Test {
public:
    // Whether the imaging library counts as present.
    static bool g_imaging;

protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the sheet with the page in front; false when it could not.
    bool Show();
    void ShowOtherPage();
    void ShowAdvancedPage();

    HWND Item(int id) const { return GetDlgItem(page, id); }
    std::string Text(int id) const;
    bool Checked(int id) const { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    int Position(int id) const;
    // The user moves a trackbar to `position` (what its notification carries).
    void Scroll(int id, int position);
    void Click(int id);
    // The user types `text` into an edit and (with `leave`) moves on.
    void Type(int id, const char* text, bool leave = false);
    void ChooseColour(int index);
    static void Pump(DWORD ms = 50);

    SimulatedScanner sim;
    RefusingStore store;
    ScanSettings settings{};
    std::unique_ptr<CAdvancedSettingsPage> advanced;
    HWND sheet = nullptr;
    HWND page = nullptr;
};
