// A test application driving the data source through DS_Entry: it opens the
// source with the simulated scanner, sets the scan settings through the
// custom-data blob, enables without the dialog, pumps its message loop
// through MSG_PROCESSEVENT and transfers pages. Also reads the same page
// straight from the simulated driver for comparison.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SimulatedScanner.h"
#include "SourceHarness.h"
#include "settings/ScanSettings.h"

struct PageRows {
    uint32_t width = 0, length = 0, rowBytes = 0, bits = 0;
    std::vector<uint8_t> rows;   // top to bottom, rowBytes apart
};

class XferTest : public ::testing::Test {
protected:
    explicit XferTest(const char* product = "Harness App") : app(product) {}
    void SetUp() override;
    void TearDown() override;

    // Grey at 150 dpi over 2 x 3 inches, no end-of-page detection.
    static ScanSettings Settings(uint16_t mode = kModeGray, int16_t dpi = 150, int16_t right = 200,
                                 int16_t bottom = 300);

    void Sim(const char* section, const char* key, const char* value);
    void UsePages(const char* pages, bool loop = true);
    TW_UINT16 Open();
    TW_UINT16 Close();
    // DAT_CUSTOMDSDATA MSG_SET with the record, in state 4.
    void Apply(const ScanSettings& settings);
    // The settings the source holds (after its validation).
    ScanSettings Current();
    TW_UINT16 Enable(bool withParent = true);
    TW_UINT16 Disable();
    int16_t Pending(TW_UINT16 msg);   // MSG_GET, MSG_ENDXFER or MSG_RESET; the Count
    TW_UINT16 Native(TW_HANDLE* dib);
    TW_UINT16 FileXfer(const std::string& name, TW_UINT16 format);
    // The page in memory strips of `stripBytes` (0: the preferred size).
    TW_UINT16 Memory(PageRows* page, uint32_t stripBytes = 0, bool asHandle = false);
    // The DIB's rows turned top to bottom and into the scan's byte order.
    static PageRows FromDib(const uint8_t* dib, size_t size);
    static PageRows FromDibHandle(TW_HANDLE dib);
    // The page as the driver delivers it for these settings.
    PageRows Reference(const ScanSettings& settings);
    int Count(TW_UINT16 notification) const;

    SimulatedScanner sim;
    SourceHarness app;
};
