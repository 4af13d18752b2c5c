// One random call into the source: a triplet, and a record for it built to
// mislead (sizes that end at a guard page, containers whose counts lie,
// names without their terminator, handles that were never allocated, foreign
// or missing origins). Frees whatever the source hands back.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "SourceHarness.h"

struct CampaignCall {
    TW_UINT32 dg = 0;
    TW_UINT16 dat = 0, msg = 0;
    std::string what;   // how the input was built
    std::string Describe() const;
};

class CampaignMoves {
public:
    CampaignMoves(SourceHarness& app, std::mt19937& rng, std::string folder)
        : m_app(app), m_rng(rng), m_folder(std::move(folder)) {}

    // Makes one call; `closed` favours opening again.
    TW_UINT16 MakeOne(CampaignCall* call, bool closed);

    // Told of each call just before it is made (for the watchdog's report).
    void (*beforeSend)(const CampaignCall&) = nullptr;

private:
    uint32_t Pick(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(m_rng); }
    void Fill(void* data, size_t size);
    TW_UINT16 Send(CampaignCall* call, void* data);
    TW_HANDLE MakeContainer(std::string* what);
    TW_UINT16 Capability(CampaignCall* call);
    TW_UINT16 Identity(CampaignCall* call, bool closed);
    TW_UINT16 UserInterface(CampaignCall* call);
    TW_UINT16 FileSetup(CampaignCall* call);
    TW_UINT16 CustomData(CampaignCall* call);
    TW_UINT16 Event(CampaignCall* call);
    TW_UINT16 MemoryStrip(CampaignCall* call);
    TW_UINT16 Native(CampaignCall* call);
    TW_UINT16 PlainRecord(CampaignCall* call, size_t size);
    TW_UINT16 AnyTriplet(CampaignCall* call);

    SourceHarness& m_app;
    std::mt19937& m_rng;
    std::string m_folder;
};
