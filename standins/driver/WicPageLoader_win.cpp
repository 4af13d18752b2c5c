#include "WicPageLoader_win.h"

#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <string>
#include <vector>

namespace sim {

namespace {

// Owns one COM interface pointer.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (m_p)
            m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    T** Out() { return &m_p; }

private:
    T* m_p = nullptr;
};

// COM for this thread while a page is read, unless the caller has it already
// in another mode.
class ComScope {
public:
    ComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_hr;
};

constexpr UINT kMaxPixels = 200u * 1000u * 1000u;  // refuse absurd images

}  // namespace

std::shared_ptr<const PageImage> WicPageLoader::Load(const std::string& path)
{
    ComScope com;
    int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (wideLength <= 0)
        return nullptr;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], wideLength);

    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))))
        return nullptr;
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out())))
        return nullptr;
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Out())))
        return nullptr;
    ComRef<IWICBitmapSource> bgr;  // converted pixels
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), bgr.Out())))
        return nullptr;
    UINT width = 0, height = 0;
    if (FAILED(bgr->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kMaxPixels / height)
        return nullptr;
    auto page = std::make_shared<PageImage>();
    page->width = static_cast<int>(width);
    page->height = static_cast<int>(height);
    double dpiX = 0, dpiY = 0;
    if (SUCCEEDED(frame->GetResolution(&dpiX, &dpiY))) {
        page->dpiX = dpiX;
        page->dpiY = dpiY;
    }
    // 32-bit BGRA is the target every decoder converts to (also under Wine);
    // transparent areas are taken as white paper.
    const UINT stride = width * 4;
    std::vector<uint8_t> bgra(static_cast<size_t>(stride) * height);
    if (FAILED(bgr->CopyPixels(nullptr, stride, static_cast<UINT>(bgra.size()), bgra.data())))
        return nullptr;
    page->rgb.resize(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0, o = 0; i < bgra.size(); i += 4, o += 3) {
        const unsigned alpha = bgra[i + 3];
        for (int c = 0; c < 3; ++c)
            page->rgb[o + c] = static_cast<uint8_t>((bgra[i + 2 - c] * alpha + 255 * (255 - alpha) + 127) / 255);
    }
    return page;
}

}  // namespace sim
