// Processing one side of a page: the side is read from the stage before in
// strips of half an inch, handed to the imaging library, put through border
// removal, colour dropout (with binarisation for black and white) and
// rotation as the settings ask, and saved back as packed rows. Any failing
// step leaves the stage without a processed page and its cause in
// g_scanStatus.
#include "imaging/ProcessedSource.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "imaging/LibraryImage.h"
#include "imaging/PipelineRecords.h"

namespace {

DetectedOrientation g_lastOrientation;

// Largest side, in pixels, the stage accepts from the stage before or the
// library: keeps every row and page size computation inside 32 and 64 bits.
constexpr uint32_t kMaxPixels = 0x3FFFFFFF;

// A buffer of `bytes`, or null when the size does not fit or memory is short.
std::unique_ptr<uint8_t[]> AllocatePage(uint64_t bytes)
{
    if (bytes > std::numeric_limits<size_t>::max())
        return nullptr;
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]);
}

} // namespace

DetectedOrientation LastDetectedOrientation()
{
    return g_lastOrientation;
}

bool CProcessedSource::Succeeded(int32_t result)
{
    if (result == IPT_OK)
        return true;
    g_scanStatus = result == IPT_OUT_OF_MEMORY ? kScanOutOfMemory : kScanImagingError;
    return false;
}

bool CProcessedSource::EnsureProcessed()
{
    if (m_page)
        return true;
    if (g_scanStatus != kScanOk || !m_haveSettings || !m_upstream || m_loadState != kImagingLoaded)
        return false;
    return ProcessSide();
}

bool CProcessedSource::ProcessSide()
{
    FreePage();
    if (m_side < 0) {
        // Asked for the page before any side was chosen: the scanner has
        // only a front side, so that is the one.
        m_side = 0;
        m_upstream->SelectSide(0);
    }
    LibraryImage image(m_library.FreeImage);
    return ReadSideInto(image) && RunOperations(image) && SaveProcessed(image);
}

bool CProcessedSource::ReadSideInto(LibraryImage& image)
{
    const uint32_t width = m_upstream->Width(true);
    const uint32_t rowBytes = m_upstream->RowBytes(true);
    uint32_t length = m_upstream->Length(true);
    const uint32_t bitsPerPixel = m_upstream->BitsPerPixel();
    if (g_scanStatus != kScanOk)
        return false; // includes an empty page, reported as such upstream
    if (width == 0 || width > kMaxPixels || length == 0 || length > kMaxPixels || rowBytes == 0 ||
        rowBytes > kMaxPixels) {
        g_scanStatus = kScanImagingError;
        return false;
    }

    std::unique_ptr<uint8_t[]> pixels = AllocatePage(static_cast<uint64_t>(rowBytes) * length);
    if (!pixels) {
        g_scanStatus = kScanOutOfMemory;
        return false;
    }
    length = ReadUpstreamRows(pixels.get(), rowBytes, length);
    if (length == 0)
        return false;

    IptImageDescription description;
    std::memset(&description, 0, sizeof description);
    description.size = sizeof description;
    description.pixels = pixels.get();
    description.bitsPerPixel = static_cast<int32_t>(bitsPerPixel);
    description.xResolution = static_cast<int32_t>(m_resolution);
    description.yResolution = static_cast<int32_t>(m_resolution);
    description.width = static_cast<int32_t>(width);
    description.height = static_cast<int32_t>(length);
    description.bytesPerRow = static_cast<int32_t>(rowBytes);
    // The library keeps its own copy; the rows read are released on return.
    return Succeeded(m_library.CreateImageFromMemory(image.Receive(), &description));
}

uint32_t CProcessedSource::ReadUpstreamRows(uint8_t* buffer, uint32_t rowBytes, uint32_t length)
{
    const uint32_t strip = ProcessingStripRows(m_resolution);
    uint32_t done = 0;
    while (done < length) {
        const uint32_t wanted = std::min(strip, length - done);
        uint32_t got = 0;
        m_upstream->ReadRows(buffer + static_cast<size_t>(done) * rowBytes, wanted, m_side, &got);
        done += std::min(got, wanted);
        if (g_scanStatus == kScanEndOfPage) {
            // The sheet ended early: the page is what came.
            g_scanStatus = kScanOk;
            length = done;
            break;
        }
        if (g_scanStatus != kScanOk)
            return 0;
        if (got == 0) {
            // A stage that delivers nothing and reports nothing would
            // otherwise be asked for ever.
            g_scanStatus = kScanDeviceFailed;
            return 0;
        }
    }
    // The sheet ended before its first row: an empty page, not a dead scanner.
    if (length == 0)
        g_scanStatus = kScanEmptyPage;
    return length;
}

bool CProcessedSource::RunOperations(LibraryImage& image)
{
    if (WantsBorderRemoval(m_settings)) {
        const IptBorderRemoval border = BorderRemovalRecord(m_settings, m_resolution);
        if (!Succeeded(m_library.RemoveBorder(image.Get(), &border)))
            return false;
    }
    if (WantsColorDropout(m_settings)) {
        const IptColorDropout dropout = ColorDropoutRecord(m_settings);
        if (!Succeeded(m_library.DropColor(image.Get(), &dropout)))
            return false;
        if (m_settings.ScanMode == kModeBlackWhite) {
            const IptBinarization binarization = DropoutBinarizationRecord(m_settings);
            if (!Succeeded(m_library.Binarize(image.Get(), &binarization)))
                return false;
        }
    }
    return Rotate(image);
}

bool CProcessedSource::Rotate(LibraryImage& image)
{
    int32_t code = 0;
    if (m_settings.AutoRotate != 0) {
        IptOrientation found;
        std::memset(&found, 0, sizeof found);
        found.size = sizeof found;
        if (!Succeeded(m_library.DetectOrientation(image.Get(), &found)))
            return false;
        if (m_side == 0) {
            g_lastOrientation.orientation = found.orientation;
            g_lastOrientation.confidence = found.confidence;
        }
        code = found.orientation;
        if (code < 0 || code > 3) {
            g_scanStatus = kScanImagingError;
            return false;
        }
    } else if (m_settings.Rotation >= 1 && m_settings.Rotation <= 3) {
        code = m_settings.Rotation;
    }
    if (code == 0)
        return true;
    const IptRotation rotation = RotationRecord(code);
    return Succeeded(m_library.Rotate(image.Get(), &rotation));
}

bool CProcessedSource::SaveProcessed(LibraryImage& image)
{
    IptProperties properties;
    std::memset(&properties, 0, sizeof properties);
    properties.size = sizeof properties;
    if (!Succeeded(m_library.GetProperties(image.Get(), &properties)))
        return false;
    const int32_t bits = properties.bitsPerPixel;
    if ((bits != 1 && bits != 8 && bits != 24) || properties.width <= 0 || properties.height <= 0 ||
        static_cast<uint32_t>(properties.width) > kMaxPixels ||
        static_cast<uint32_t>(properties.height) > kMaxPixels) {
        g_scanStatus = kScanImagingError;
        return false;
    }
    const uint32_t width = static_cast<uint32_t>(properties.width);
    const uint32_t height = static_cast<uint32_t>(properties.height);
    const uint32_t bitsPerPixel = static_cast<uint32_t>(bits);
    const uint64_t packed = (static_cast<uint64_t>(bitsPerPixel) * width + 7) / 8;
    const uint64_t bytes = packed * height;

    std::unique_ptr<uint8_t[]> page = AllocatePage(bytes);
    if (!page) {
        g_scanStatus = kScanOutOfMemory;
        return false;
    }
    IptMemoryOutput output;
    std::memset(&output, 0, sizeof output);
    output.size = sizeof output;
    output.buffer = page.get();
    output.bufferSize = static_cast<int64_t>(bytes);
    if (!Succeeded(m_library.SaveImageToMemory(image.Get(), &output)))
        return false;

    m_page = std::move(page);
    m_pageBytes = static_cast<size_t>(bytes);
    m_packedRowBytes = static_cast<uint32_t>(packed);
    m_width = width;
    m_length = height;
    m_bitsPerPixel = bitsPerPixel;
    m_rowBytes = PaddedRowBytes(width, bitsPerPixel);
    m_rowsServed = 0;
    return true;
}
