#include "transfer/PageStore.h"

#include "imaging/ImagingQuery.h"

namespace {

CPageStore g_pageStore;

} // namespace

CPageStore& ThePageStore() { return g_pageStore; }

bool WantsProcessing(const ScanSettings& s)
{
    return s.AutoCrop != 0 || s.Photo != 0 || s.Deskew != 0 || s.Rotation != 0 || s.AutoRotate != 0 ||
           (s.ColorDropType != 0 && s.ScanMode != kModeColor);
}

CPageStore::CPageStore() = default;

CPageStore::~CPageStore() { CloseAll(); }

void CPageStore::Append(CImageSource* source)
{
    m_items[m_count++] = source;
    m_head = source;
}

int CPageStore::Open(const ScanSettings* settings, bool showProgress, HWND parent)
{
    if (m_isOpen)
        return kStoreAlreadyOpen;
    m_count = 0;
    m_head = nullptr;
    if (!settings || !m_scanner.Open(settings, showProgress, parent)) {
        CloseAll();
        return kStoreScannerFailed;
    }
    Append(&m_scanner);
    if (settings->DetectEOP != 0) {
        m_buffered.SetUpstream(m_head);
        if (!m_buffered.Open(settings, showProgress, parent)) {
            CloseAll();
            return kStoreBufferFailed;
        }
        Append(&m_buffered);
    }
    if (WantsProcessing(*settings) && ImagingAvailable()) {
        m_processed.SetUpstream(m_head);
        if (!m_processed.Open(settings, showProgress, parent)) {
            CloseAll();
            return kStoreProcessingFailed;
        }
        Append(&m_processed);
    }
    m_isOpen = true;
    return kStoreOpened;
}

void CPageStore::CloseAll()
{
    for (int i = 0; i < m_count; ++i)
        m_items[i]->Close();
    m_count = 0;
    // Always, so that the imaging library is never left loaded.
    m_processed.Close();
    m_head = nullptr;
    m_isOpen = false;
}

void CPageStore::EndPage()
{
    for (int i = 0; i < m_count; ++i)
        m_items[i]->EndPage();
}

void CPageStore::ResetSide()
{
    for (int i = 0; i < m_count; ++i)
        m_items[i]->ResetSide();
}

void CPageStore::SelectSide(int32_t side)
{
    for (int i = 0; i < m_count; ++i)
        m_items[i]->SelectSide(side);
}

uint32_t CPageStore::Width(bool finish) { return m_isOpen && m_head ? m_head->Width(finish) : 0; }
uint32_t CPageStore::Length(bool finish) { return m_isOpen && m_head ? m_head->Length(finish) : 0; }
uint32_t CPageStore::RowBytes(bool finish) { return m_isOpen && m_head ? m_head->RowBytes(finish) : 0; }
uint32_t CPageStore::BitsPerPixel() { return m_isOpen && m_head ? m_head->BitsPerPixel() : 0; }
uint32_t CPageStore::Resolution() { return m_isOpen && m_head ? m_head->Resolution() : 0; }
int32_t CPageStore::CurrentSide() { return m_isOpen && m_head ? m_head->CurrentSide() : 0; }

int32_t CPageStore::ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead)
{
    if (!m_isOpen || !m_head) {
        if (rowsRead)
            *rowsRead = 0;
        return kStoreNotOpen;
    }
    m_head->ReadRows(buffer, rows, side, rowsRead);
    return g_scanStatus;
}

bool CPageStore::ImagingAvailable() { return ::ImagingAvailable(); }
