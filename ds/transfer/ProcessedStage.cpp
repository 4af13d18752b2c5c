#include "transfer/ProcessedStage.h"

#if defined(__has_include)
#if __has_include("imaging/ProcessedSource.h")
#include "imaging/ProcessedSource.h"
#define TX_HAVE_PROCESSED_SOURCE 1
#endif
#endif

namespace {

// Stands where the processing stage goes while the module is built without
// it: it cannot open, so ImagingAvailable() answers false.
class CNoProcessing : public CChainedSource {
public:
    bool Open(const ScanSettings*, bool, HWND) override { return false; }
    void Close() override {}
    void ReadRows(uint8_t*, uint32_t, int32_t, uint32_t* rowsRead) override
    {
        if (rowsRead)
            *rowsRead = 0;
    }
};

} // namespace

std::unique_ptr<CChainedSource> MakeProcessedStage()
{
#if defined(TX_HAVE_PROCESSED_SOURCE)
    return std::unique_ptr<CChainedSource>(new CProcessedSource());
#else
    return std::unique_ptr<CChainedSource>(new CNoProcessing());
#endif
}
