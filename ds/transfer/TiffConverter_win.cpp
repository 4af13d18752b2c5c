#include "transfer/TiffConverter.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include <objidl.h>
#include <gdiplus.h>

namespace {

// GDI+ started for one conversion and shut down on every path.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_ok = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_ok) Gdiplus::GdiplusShutdown(m_token);
    }
    bool Ok() const { return m_ok; }

private:
    ULONG_PTR m_token = 0;
    bool m_ok = false;
};

bool FindTiffEncoder(CLSID* clsid)
{
    UINT count = 0, bytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<uint8_t> block(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/tiff") == 0) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

} // namespace

std::wstring WideFileName(const std::string& name)
{
    for (UINT codePage : {UINT(CP_UTF8), UINT(CP_ACP)}) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int n = MultiByteToWideChar(codePage, flags, name.c_str(), -1, nullptr, 0);
        if (n <= 0) continue;
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(codePage, flags, name.c_str(), -1, &wide[0], n);
        wide.resize(static_cast<size_t>(n - 1));
        return wide;
    }
    return std::wstring();
}

bool ConvertBmpToTiff(const std::string& bmpPath, const std::string& tiffPath)
{
    const std::wstring source = WideFileName(bmpPath);
    const std::wstring target = WideFileName(tiffPath);
    if (source.empty() || target.empty()) return false;
    GdiplusSession gdiplus;
    if (!gdiplus.Ok()) return false;
    CLSID encoder;
    if (!FindTiffEncoder(&encoder)) return false;
    Gdiplus::GpImage* image = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(source.c_str(), &image) != Gdiplus::Ok || !image) return false;
    const bool saved = Gdiplus::DllExports::GdipSaveImageToFile(image, target.c_str(), &encoder, nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(image);
    return saved;
}
