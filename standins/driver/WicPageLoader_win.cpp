#include "WicPageLoader_win.h"

#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <string>

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
    ComRef<IWICBitmapSource> bgr;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame.Get(), bgr.Out())))
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
    const UINT stride = width * 3;
    page->rgb.resize(static_cast<size_t>(stride) * height);
    if (FAILED(bgr->CopyPixels(nullptr, stride, static_cast<UINT>(page->rgb.size()), page->rgb.data())))
        return nullptr;
    for (size_t i = 0; i + 2 < page->rgb.size(); i += 3) {
        uint8_t b = page->rgb[i];
        page->rgb[i] = page->rgb[i + 2];
        page->rgb[i + 2] = b;
    }
    return page;
}

}  // namespace sim
