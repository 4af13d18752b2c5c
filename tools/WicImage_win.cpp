#include "WicImage_win.h"

#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstdio>
#include <cstring>

namespace {

// A COM interface pointer released on every path.
template <class T>
class Com {
public:
    Com() = default;
    ~Com() { if (m_p) m_p->Release(); }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** operator&() { return &m_p; }
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
private:
    T* m_p = nullptr;
};

std::string HrText(const char* what, HRESULT hr)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s failed (HRESULT 0x%08lX)", what, static_cast<unsigned long>(hr));
    return buf;
}

bool Factory(Com<IWICImagingFactory>& factory, std::string& error)
{
    const HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) error = HrText("starting the imaging component", hr);
    return SUCCEEDED(hr);
}

WICPixelFormatGUID FormatFor(int bits)
{
    return bits == 1 ? GUID_WICPixelFormatBlackWhite : bits == 8 ? GUID_WICPixelFormat8bppGray
                                                                 : GUID_WICPixelFormat24bppBGR;
}

// Writes a page's rows into a frame, swapping red and blue for 24 bits.
bool WriteRows(IWICBitmapFrameEncode* frame, const Page& page, std::string& error)
{
    const UINT chunk = 256;
    std::vector<BYTE> rows;
    for (UINT y = 0; y < page.height; y += chunk) {
        const UINT n = page.height - y < chunk ? page.height - y : chunk;
        const BYTE* src = page.Row(y);
        rows.assign(src, src + page.stride * n);
        if (page.bitsPerPixel == 24)
            for (size_t i = 0; i + 2 < rows.size(); i += 3) std::swap(rows[i], rows[i + 2]);
        const HRESULT hr = frame->WritePixels(n, static_cast<UINT>(page.stride), static_cast<UINT>(rows.size()),
                                              rows.data());
        if (FAILED(hr)) {
            error = HrText("writing the pixels", hr);
            return false;
        }
    }
    return true;
}

bool EncodeInto(IWICImagingFactory* factory, IStream* stream, const GUID& container,
                const std::vector<Page>& pages, float quality, std::string& error)
{
    Com<IWICBitmapEncoder> encoder;
    HRESULT hr = factory->CreateEncoder(container, nullptr, &encoder);
    if (FAILED(hr)) { error = HrText("finding the encoder", hr); return false; }
    hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    if (FAILED(hr)) { error = HrText("starting the encoder", hr); return false; }
    for (const Page& page : pages) {
        Com<IWICBitmapFrameEncode> frame;
        Com<IPropertyBag2> bag;
        hr = encoder->CreateNewFrame(&frame, &bag);
        if (FAILED(hr)) { error = HrText("adding a page", hr); return false; }
        if (quality > 0 && bag.get()) {
            PROPBAG2 option{};
            option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
            VARIANT value;
            VariantInit(&value);
            value.vt = VT_R4;
            value.fltVal = quality;
            bag->Write(1, &option, &value);
        }
        hr = frame->Initialize(bag.get());
        if (SUCCEEDED(hr)) hr = frame->SetSize(page.width, page.height);
        if (SUCCEEDED(hr) && page.dpi > 0) hr = frame->SetResolution(page.dpi, page.dpi);
        if (FAILED(hr)) { error = HrText("describing the page", hr); return false; }
        WICPixelFormatGUID format = FormatFor(page.bitsPerPixel);
        hr = frame->SetPixelFormat(&format);
        if (FAILED(hr) || format != FormatFor(page.bitsPerPixel)) {
            error = "the encoder does not take " + std::to_string(page.bitsPerPixel) + "-bit pixels";
            return false;
        }
        if (!WriteRows(frame.get(), page, error)) return false;
        hr = frame->Commit();
        if (FAILED(hr)) { error = HrText("finishing a page", hr); return false; }
    }
    hr = encoder->Commit();
    if (FAILED(hr)) { error = HrText("finishing the file", hr); return false; }
    return true;
}

int BitsOf(const WICPixelFormatGUID& f)
{
    if (f == GUID_WICPixelFormatBlackWhite || f == GUID_WICPixelFormat1bppIndexed) return 1;
    if (f == GUID_WICPixelFormat8bppGray || f == GUID_WICPixelFormat8bppIndexed) return 8;
    return 24;
}

bool DecodeAll(IWICImagingFactory* factory, IWICBitmapDecoder* decoder, std::vector<Page>& pages,
               std::string& error)
{
    UINT count = 0;
    HRESULT hr = decoder->GetFrameCount(&count);
    if (FAILED(hr)) { error = HrText("counting the pages", hr); return false; }
    pages.clear();
    for (UINT i = 0; i < count; ++i) {
        Com<IWICBitmapFrameDecode> frame;
        hr = decoder->GetFrame(i, &frame);
        UINT w = 0, h = 0;
        double dx = 0, dy = 0;
        WICPixelFormatGUID format{};
        if (SUCCEEDED(hr)) hr = frame->GetSize(&w, &h);
        if (SUCCEEDED(hr)) hr = frame->GetPixelFormat(&format);
        if (FAILED(hr)) { error = HrText("reading a page", hr); return false; }
        frame->GetResolution(&dx, &dy);
        // Through 32-bit BGRA, which every decoder here converts to.
        Com<IWICBitmapSource> bgra;
        hr = WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), &bgra);
        if (FAILED(hr)) { error = HrText("converting a page", hr); return false; }
        std::vector<BYTE> buf(static_cast<size_t>(w) * 4 * h);
        hr = bgra->CopyPixels(nullptr, w * 4, static_cast<UINT>(buf.size()), buf.data());
        if (FAILED(hr)) { error = HrText("copying the pixels", hr); return false; }
        Page page;
        const int bits = BitsOf(format);
        if (!ShapePage(page, w, h, bits, dx > 0 ? static_cast<double>(static_cast<long>(dx + 0.5)) : 0, error))
            return false;
        for (UINT y = 0; y < h; ++y) {
            const BYTE* s = buf.data() + static_cast<size_t>(y) * w * 4;
            BYTE* d = page.Row(y);
            for (UINT x = 0; x < w; ++x, s += 4) {
                if (bits == 24) { d[3 * x] = s[2]; d[3 * x + 1] = s[1]; d[3 * x + 2] = s[0]; }
                else if (bits == 8) d[x] = static_cast<BYTE>((s[0] * 114 + s[1] * 587 + s[2] * 299 + 500) / 1000);
                else if (s[1] >= 128) d[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
            // Padding bits white, as every page of the client has them.
            const int spare = static_cast<int>(page.stride * 8 - w);
            if (bits == 1 && spare) d[page.stride - 1] |= static_cast<BYTE>((1u << spare) - 1);
        }
        pages.push_back(std::move(page));
    }
    return true;
}

} // namespace

ComScope::ComScope() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
ComScope::~ComScope() { if (m_ok) CoUninitialize(); }

bool WriteWicFile(const std::vector<Page>& pages, const std::wstring& path, WicFormat format, std::string& error)
{
    if (pages.empty() || (format == WicFormat::Png && pages.size() != 1)) {
        error = "a PNG file holds exactly one page";
        return false;
    }
    Com<IWICImagingFactory> factory;
    if (!Factory(factory, error)) return false;
    Com<IWICStream> stream;
    HRESULT hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    if (FAILED(hr)) { error = HrText("creating the file", hr); return false; }
    return EncodeInto(factory.get(), stream.get(),
                      format == WicFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatTiff, pages, 0,
                      error);
}

bool EncodeJpeg(const Page& page, int quality, std::vector<uint8_t>& jpeg, std::string& error)
{
    Com<IWICImagingFactory> factory;
    if (!Factory(factory, error)) return false;
    Com<IStream> stream;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr)) { error = HrText("making a memory stream", hr); return false; }
    if (!EncodeInto(factory.get(), stream.get(), GUID_ContainerFormatJpeg, {page}, quality / 100.0f, error))
        return false;
    HGLOBAL block = nullptr;
    GetHGlobalFromStream(stream.get(), &block);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    const void* p = block ? GlobalLock(block) : nullptr;
    if (!p) { error = "the JPEG data cannot be read"; return false; }
    const uint8_t* bytes = static_cast<const uint8_t*>(p);
    jpeg.assign(bytes, bytes + stat.cbSize.QuadPart);
    GlobalUnlock(block);
    return true;
}

bool ReadWicFile(const std::wstring& path, std::vector<Page>& pages, std::string& error)
{
    Com<IWICImagingFactory> factory;
    if (!Factory(factory, error)) return false;
    Com<IWICBitmapDecoder> decoder;
    const HRESULT hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                          WICDecodeMetadataCacheOnDemand, &decoder);
    if (FAILED(hr)) { error = HrText("opening the image", hr); return false; }
    return DecodeAll(factory.get(), decoder.get(), pages, error);
}

bool ReadWicMemory(const std::vector<uint8_t>& data, std::vector<Page>& pages, std::string& error)
{
    Com<IWICImagingFactory> factory;
    if (!Factory(factory, error)) return false;
    Com<IWICStream> stream;
    HRESULT hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    Com<IWICBitmapDecoder> decoder;
    if (SUCCEEDED(hr))
        hr = factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
    if (FAILED(hr)) { error = HrText("opening the image", hr); return false; }
    return DecodeAll(factory.get(), decoder.get(), pages, error);
}
