// An application negotiating with the source through DS_Entry: it opens the
// source as a TWAIN 2 application (the counting manager's entry points) or as
// an older one (none), reads the containers the source answers with and frees
// them as an application does, and sends containers of its own making.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulatedScanner.h"
#include "SourceHarness.h"
#include "settings/ScanSettings.h"
#include "twain/Twain.h"

// A container the source handed over, decoded.
struct Container {
    TW_UINT16 conType = 0;
    TW_UINT16 itemType = 0;
    size_t blockSize = 0;
    TW_UINT32 value = 0;            // one value: Item; range: CurrentValue
    std::vector<TW_UINT32> items;   // enumeration and array
    TW_UINT32 currentIndex = 0;
    TW_UINT32 defaultIndex = 0;
    TW_UINT32 minValue = 0, maxValue = 0, stepSize = 0, defaultValue = 0; // range
    std::string text;               // string one value
    bool terminated = true;         // the text ends within its field
};

// Whole-number and TW_FIX32 items.
TW_UINT32 Fix(double value);
double Unfix(TW_UINT32 item);

class CapClient {
public:
    explicit CapClient(bool twain2, const char* product = "Caps App");
    ~CapClient();

    // Loads the module (from `path`), hands over entry points for a TWAIN 2
    // application, clears this application's profile section and opens.
    bool Open(const char* path = "TARVX380.ds");
    void Close();

    // MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT or MSG_RESET;
    // the container (if any) is decoded into `out` and freed.
    TW_UINT16 Ask(TW_UINT16 cap, TW_UINT16 msg, Container* out = nullptr);

    // MSG_SET with containers the application builds itself.
    TW_UINT16 SetOne(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 value);
    TW_UINT16 SetEnum(TW_UINT16 cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items, TW_UINT32 current);
    TW_UINT16 SetRange(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 minValue, TW_UINT32 maxValue,
                       TW_UINT32 step, TW_UINT32 current);
    // Sends a block exactly as given (its handle stays the caller's).
    TW_UINT16 SetBlock(TW_UINT16 cap, TW_UINT16 conType, TW_HANDLE block);

    // The settings record in force (through DAT_CUSTOMDSDATA).
    ScanSettings Settings();

    // "rc R cc C" for failure messages; reads DAT_STATUS.
    std::string Status(TW_UINT16 rc) { return h.Describe(rc); }
    TW_UINT16 ConditionCode() { return h.ConditionCode(); }

    bool Twain2() const { return m_twain2; }
    void FreeHandle(TW_HANDLE handle);

    SourceHarness h;

private:
    bool m_twain2;
};

// Makes a block of the given bytes (the application's own memory).
TW_HANDLE MakeBlock(const std::vector<uint8_t>& bytes);
// Decodes a block as the given container type.
Container Decode(TW_UINT16 conType, TW_HANDLE handle);

// The source's simulated scanner, and a client that is open on it.
class CapTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    SimulatedScanner m_sim;
};
