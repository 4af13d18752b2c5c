// An imaging library for the processing stage's tests: every IPT_ call is
// written down with its record and passed on to our VOZozur.dll beside it,
// unless the test named that call to fail with a chosen result.
#include <windows.h>

#include <cstring>

#include "RecorderState.h"

namespace {

RecorderState g_state;
HMODULE g_real = nullptr;

void ResetState()
{
    std::memset(&g_state, 0, sizeof g_state);
    g_state.forceOrientation = -1;
}

struct StateInit {
    StateInit() { ResetState(); }
} g_stateInit;

void Note(const char* name)
{
    const size_t used = std::strlen(g_state.calls);
    const size_t need = std::strlen(name) + (used ? 1 : 0);
    if (used + need + 1 > sizeof g_state.calls)
        return;
    if (used)
        std::strcat(g_state.calls, ",");
    std::strcat(g_state.calls, name);
}

bool Fails(const char* name, int32_t* result)
{
    if (std::strcmp(g_state.failCall, name) != 0)
        return false;
    *result = g_state.failResult;
    return true;
}

template <typename Fn>
Fn* Real(const char* name)
{
    if (!g_real) {
        char path[MAX_PATH] = {};
        HMODULE self = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&ResetState), &self);
        GetModuleFileNameA(self, path, MAX_PATH);
        char* slash = std::strrchr(path, '\\');
        // Built under the library's own name, the recorder sits in a folder
        // below the library it passes calls on to.
#ifdef TX_RECORDER_UNDER_LIBRARY_NAME
        const char real[] = "..\\VOZozur.dll";
#else
        const char real[] = "VOZozur.dll";
#endif
        if (slash)
            std::strcpy(slash + 1, real);
        g_real = LoadLibraryA(path);
    }
    return g_real ? reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(g_real, name))) : nullptr;
}

// Notes the call, fails it when told to, else passes it on.
#define FORWARD(name, Fn, ...)                                  \
    Note(#name);                                                \
    int32_t failed = 0;                                         \
    if (Fails(#name, &failed))                                  \
        return failed;                                          \
    Fn* real = Real<Fn>(#name);                                 \
    if (!real)                                                  \
        return IPT_UNSUPPORTED;                                 \
    return real(__VA_ARGS__)

} // namespace

extern "C" {

RecorderState* Recorder_State(void) { return &g_state; }
void Recorder_Reset(void) { ResetState(); }

int32_t IPT_Initialize(int32_t flags)
{
    ++g_state.initializeCount;
    FORWARD(IPT_Initialize, IptInitializeFn, flags);
}

int32_t IPT_Uninitialize(void)
{
    ++g_state.uninitializeCount;
    FORWARD(IPT_Uninitialize, IptUninitializeFn);
}

int32_t IPT_CreateImageFromFile(IptImage* image, const char* path)
{
    FORWARD(IPT_CreateImageFromFile, IptCreateImageFromFileFn, image, path);
}

int32_t IPT_CreateImageFromMemory(IptImage* image, const IptImageDescription* description)
{
    if (description)
        g_state.description = *description;
    Note("IPT_CreateImageFromMemory");
    int32_t failed = 0;
    if (Fails("IPT_CreateImageFromMemory", &failed))
        return failed;
    IptCreateImageFromMemoryFn* real = Real<IptCreateImageFromMemoryFn>("IPT_CreateImageFromMemory");
    const int32_t result = real ? real(image, description) : IPT_UNSUPPORTED;
    if (result == IPT_OK)
        ++g_state.liveImages;
    return result;
}

int32_t IPT_FreeImage(IptImage image)
{
    Note("IPT_FreeImage");
    IptFreeImageFn* real = Real<IptFreeImageFn>("IPT_FreeImage");
    const int32_t result = real ? real(image) : IPT_UNSUPPORTED;
    if (result == IPT_OK)
        --g_state.liveImages;
    return result;
}

int32_t IPT_SaveImageToFile(IptImage image, const char* path)
{
    FORWARD(IPT_SaveImageToFile, IptSaveImageToFileFn, image, path);
}

int32_t IPT_SaveImageToMemory(IptImage image, IptMemoryOutput* output)
{
    FORWARD(IPT_SaveImageToMemory, IptSaveImageToMemoryFn, image, output);
}

int32_t IPT_RemoveBorder(IptImage image, const IptBorderRemoval* params)
{
    if (params)
        g_state.border = *params;
    FORWARD(IPT_RemoveBorder, IptRemoveBorderFn, image, params);
}

int32_t IPT_Binarize(IptImage image, const IptBinarization* params)
{
    if (params)
        g_state.binarization = *params;
    FORWARD(IPT_Binarize, IptBinarizeFn, image, params);
}

int32_t IPT_Rotate(IptImage image, const IptRotation* params)
{
    if (params)
        g_state.rotation = *params;
    FORWARD(IPT_Rotate, IptRotateFn, image, params);
}

int32_t IPT_GetProperties(IptImage image, IptProperties* properties)
{
    FORWARD(IPT_GetProperties, IptGetPropertiesFn, image, properties);
}

int32_t IPT_Copy(IptImage* copy, IptImage source)
{
    FORWARD(IPT_Copy, IptCopyFn, copy, source);
}

int32_t IPT_DropColor(IptImage image, const IptColorDropout* params)
{
    if (params)
        g_state.dropout = *params;
    FORWARD(IPT_DropColor, IptDropColorFn, image, params);
}

int32_t IPT_DetectOrientation(IptImage image, IptOrientation* result)
{
    Note("IPT_DetectOrientation");
    int32_t failed = 0;
    if (Fails("IPT_DetectOrientation", &failed))
        return failed;
    IptDetectOrientationFn* real = Real<IptDetectOrientationFn>("IPT_DetectOrientation");
    const int32_t code = real ? real(image, result) : IPT_UNSUPPORTED;
    if (code == IPT_OK && result && g_state.forceOrientation >= 0) {
        result->orientation = g_state.forceOrientation;
        result->confidence = g_state.forceConfidence;
    }
    return code;
}

} // extern "C"
