// Ownership of one image made by the imaging library: the image is handed
// back with IPT_FreeImage when the owner goes, on every path.
#pragma once

#include "imaging/IptRecords.h"

class LibraryImage {
public:
    explicit LibraryImage(IptFreeImageFn* freeImage) : m_free(freeImage) {}
    ~LibraryImage() { Reset(); }
    LibraryImage(const LibraryImage&) = delete;
    LibraryImage& operator=(const LibraryImage&) = delete;

    IptImage Get() const { return m_image; }
    // The slot a creating call writes the new handle into; frees any held one.
    IptImage* Receive()
    {
        Reset();
        return &m_image;
    }
    void Reset()
    {
        if (m_image && m_free)
            m_free(m_image);
        m_image = nullptr;
    }

private:
    IptFreeImageFn* m_free;
    IptImage m_image = nullptr;
};
