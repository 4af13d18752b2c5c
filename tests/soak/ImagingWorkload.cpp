// The imaging library's session as the data source runs it on a page: load,
// initialise, make an image from memory, remove the border with deskew,
// detect the orientation, rotate, binarise, read the result back, free,
// uninitialise, unload; plus one refused call, as a caller's slip would be.
#include "ModuleWorkload.h"

#include <windows.h>

#include <vector>

#include "imaging/IptRecords.h"

namespace {

// A light grey page on a dark background with a few dark text-like bars.
constexpr int kWidth = 240;
constexpr int kHeight = 160;

std::vector<uint8_t> MakePage()
{
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight, 20);
    for (int y = 20; y < kHeight - 20; ++y)
        for (int x = 30; x < kWidth - 30; ++x)
            pixels[static_cast<size_t>(y) * kWidth + x] = ((y / 6) % 3 == 0 && x % 40 < 30) ? 40 : 230;
    return pixels;
}

struct ImagingCalls {
    int32_t (*initialize)(int32_t);
    int32_t (*uninitialize)();
    int32_t (*fromMemory)(IptImage*, const IptImageDescription*);
    int32_t (*freeImage)(IptImage);
    int32_t (*removeBorder)(IptImage, const IptBorderRemoval*);
    int32_t (*binarize)(IptImage, const IptBinarization*);
    int32_t (*orientation)(IptImage, IptOrientation*);
    int32_t (*rotate)(IptImage, const IptRotation*);
    int32_t (*properties)(IptImage, IptProperties*);
    int32_t (*toMemory)(IptImage, IptMemoryOutput*);

    template <typename F>
    static bool Get(HMODULE m, const char* name, F& f)
    {
        f = reinterpret_cast<F>(GetProcAddress(m, name));
        return f != nullptr;
    }
    bool Bind(HMODULE m)
    {
        return Get(m, "IPT_Initialize", initialize) && Get(m, "IPT_Uninitialize", uninitialize) &&
               Get(m, "IPT_CreateImageFromMemory", fromMemory) && Get(m, "IPT_FreeImage", freeImage) &&
               Get(m, "IPT_RemoveBorder", removeBorder) && Get(m, "IPT_Binarize", binarize) &&
               Get(m, "IPT_DetectOrientation", orientation) && Get(m, "IPT_Rotate", rotate) &&
               Get(m, "IPT_GetProperties", properties) && Get(m, "IPT_SaveImageToMemory", toMemory);
    }
};

std::string Failed(const char* call, int32_t rc)
{
    return std::string(call) + " gave " + std::to_string(rc);
}

class ImagingWorkload : public ModuleWorkload {
public:
    explicit ImagingWorkload(std::string path) : m_path(std::move(path)), m_page(MakePage()) {}

    std::string Cycle() override
    {
        HMODULE module = LoadLibraryA(m_path.c_str());
        if (!module)
            return "cannot load " + m_path;
        ImagingCalls ipt{};
        std::string fault;
        if (!ipt.Bind(module)) {
            fault = "an IPT_ export is missing";
        } else if (int32_t rc = ipt.initialize(0); rc != IPT_OK) {
            fault = Failed("IPT_Initialize", rc);
        } else {
            fault = Session(ipt);
            rc = ipt.uninitialize();
            if (fault.empty() && rc != IPT_OK)
                fault = Failed("IPT_Uninitialize", rc);
        }
        FreeLibrary(module);
        return fault;
    }

private:
    std::string Session(const ImagingCalls& ipt)
    {
        IptImageDescription d{sizeof d, m_page.data(), 8, 200, 200, kWidth, kHeight, kWidth};
        IptImage image = nullptr;
        if (int32_t rc = ipt.fromMemory(&image, &d); rc != IPT_OK)
            return Failed("IPT_CreateImageFromMemory", rc);
        std::string fault = Process(ipt, image);
        if (int32_t rc = ipt.freeImage(image); fault.empty() && rc != IPT_OK)
            fault = Failed("IPT_FreeImage", rc);
        return fault;
    }

    std::string Process(const ImagingCalls& ipt, IptImage image)
    {
        IptBorderRemoval border{sizeof border, 1, 1, {}, 48, 0};
        if (int32_t rc = ipt.removeBorder(image, &border); rc != IPT_OK)
            return Failed("IPT_RemoveBorder", rc);
        IptBorderRemoval wrongSize = border;
        wrongSize.size = 8;
        if (int32_t rc = ipt.removeBorder(image, &wrongSize); rc != IPT_BAD_PARAMETER)
            return Failed("IPT_RemoveBorder with a short record", rc);
        IptOrientation found{sizeof found, 0, 0.0f};
        if (int32_t rc = ipt.orientation(image, &found); rc != IPT_OK)
            return Failed("IPT_DetectOrientation", rc);
        IptRotation quarter{sizeof quarter, 1, 0};
        if (int32_t rc = ipt.rotate(image, &quarter); rc != IPT_OK)
            return Failed("IPT_Rotate", rc);
        IptBinarization bw{sizeof bw, -1, 0};
        if (int32_t rc = ipt.binarize(image, &bw); rc != IPT_OK)
            return Failed("IPT_Binarize", rc);
        IptProperties props{sizeof props, 0, 0, 0, 0, 0, 0};
        if (int32_t rc = ipt.properties(image, &props); rc != IPT_OK || props.bitsPerPixel != 1)
            return Failed("IPT_GetProperties", rc);
        std::vector<uint8_t> out(static_cast<size_t>((props.width + 7) / 8) * props.height);
        IptMemoryOutput memory{sizeof memory, out.data(), static_cast<int64_t>(out.size())};
        if (int32_t rc = ipt.toMemory(image, &memory); rc != IPT_OK)
            return Failed("IPT_SaveImageToMemory", rc);
        return {};
    }

    std::string m_path;
    std::vector<uint8_t> m_page;
};

}  // namespace

std::unique_ptr<ModuleWorkload> MakeImagingWorkload(const std::string& path)
{
    return std::make_unique<ImagingWorkload>(path);
}
