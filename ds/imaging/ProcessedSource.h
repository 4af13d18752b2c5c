// The processing stage of the page store: reads a whole side of the page
// from the source before it, runs the imaging library over it (border
// removal and deskew, colour dropout with binarisation, rotation or
// automatic rotation) and serves the finished rows, each widened to a
// multiple of 4 bytes. The library is loaded at the first Open and unloaded
// at Close; a load that fails is not tried again for the life of the stage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "imaging/ImagingLibrary.h"
#include "settings/ScanSettings.h"
#include "transfer/ImageSource.h"

class LibraryImage;

// Where the stage stands with the imaging library.
enum ImagingLoadState : int {
    kImagingNotLoaded = 0,
    kImagingLoadFailed = 1,   // tried once and failed; not tried again
    kImagingLoaded = 2,       // loaded and initialised
};

// The orientation found on the last front side processed with automatic
// rotation (process-wide, as the library reported it).
struct DetectedOrientation {
    int32_t orientation = 0;   // rotation code that made the page upright, 0 none
    float confidence = 0.0f;
};
DetectedOrientation LastDetectedOrientation();

class CProcessedSource : public CChainedSource {
public:
    // The stage that loads VOZozur.dll from the data source's own folder.
    CProcessedSource();
    // The stage that loads the library at this path instead (tests put
    // libraries of their own here).
    explicit CProcessedSource(const std::string& libraryPath);
    ~CProcessedSource() override;

    // With finish, the side is processed first (when not yet done and no
    // error is pending) and the processed value returned; else the
    // processed value when there is one, or the stage before's.
    uint32_t Width(bool finish) override;
    uint32_t Length(bool finish) override;
    uint32_t RowBytes(bool finish) override;
    // The stage before's depth, except with colour dropout outside colour
    // mode: 8 for grey, 1 for black and white. Once processed, the depth of
    // the processed page.
    uint32_t BitsPerPixel() override;
    // Loads the library when not yet tried. With null settings only the
    // library is checked; otherwise the settings are kept for the page and
    // the resolution taken from the stage before. Sets g_scanStatus to 0.
    bool Open(const ScanSettings* settings, bool showProgress, HWND parent) override;
    // Frees the processed page and unloads the library.
    void Close() override;
    void ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead) override;
    // Frees the processed page, so that the next side is processed anew.
    void EndPage() override;
    // Forgets the side and the processed page with it.
    void ResetSide() override;

    int LoadState() const { return m_loadState; }
    bool HasProcessedPage() const { return m_page != nullptr; }

    // Whether the imaging library next to the data source loads and
    // initialises (it is unloaded again at once).
    static bool LibraryLoads();

private:
    bool LoadLibraryOnce();
    // Processes the side unless it is done or an error is pending; true
    // when a processed page is there afterwards.
    bool EnsureProcessed();
    bool ProcessSide();
    // Reads the side from the stage before and hands it to the library.
    bool ReadSideInto(LibraryImage& image);
    // Reads the side into the buffer; the rows actually read, 0 on failure.
    uint32_t ReadUpstreamRows(uint8_t* buffer, uint32_t rowBytes, uint32_t length);
    bool RunOperations(LibraryImage& image);
    bool Rotate(LibraryImage& image);
    bool SaveProcessed(LibraryImage& image);
    // Records a failing library result in g_scanStatus; true for success.
    static bool Succeeded(int32_t result);
    void FreePage();

    ImagingLibrary m_library;
    std::string m_libraryPath;   // empty: the library beside the data source
    int m_loadState = kImagingNotLoaded;
    ScanSettings m_settings = {};
    bool m_haveSettings = false;

    std::unique_ptr<uint8_t[]> m_page;   // the processed side, packed rows
    size_t m_pageBytes = 0;
    uint32_t m_packedRowBytes = 0;
    uint32_t m_rowsServed = 0;
};
