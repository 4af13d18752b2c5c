// The binding to the image-processing library VOZozur.dll: loads it from the
// folder of the data source's own module, binds its fourteen IPT_ exports and
// initialises it. The post-scan pipeline calls the library only through the
// function pointers held here.
#pragma once

#include "imaging/IptRecords.h"

#include <string>

struct HINSTANCE__;

class ImagingLibrary {
public:
    ImagingLibrary() = default;
    ~ImagingLibrary();
    ImagingLibrary(const ImagingLibrary&) = delete;
    ImagingLibrary& operator=(const ImagingLibrary&) = delete;

    // Loads "VOZozur.dll" from the folder of the module that contains this
    // code, with that folder as the DLL search directory during the load (the
    // previous directory is restored), binds every export and calls
    // IPT_Initialize(0). False, with nothing left loaded, when any step fails.
    bool Load();
    // The same from an explicit file path (tests load incomplete libraries).
    bool LoadFrom(const std::string& path);
    // IPT_Uninitialize, then the library is freed. Harmless when not loaded.
    void Unload();
    bool IsLoaded() const { return module_ != nullptr; }

    // The folder, with a trailing backslash, of the module containing this
    // code; empty when it cannot be found.
    static std::string OwnFolder();

    // The bound exports; null while not loaded.
    IptInitializeFn* Initialize = nullptr;
    IptUninitializeFn* Uninitialize = nullptr;
    IptCreateImageFromFileFn* CreateImageFromFile = nullptr;
    IptCreateImageFromMemoryFn* CreateImageFromMemory = nullptr;
    IptFreeImageFn* FreeImage = nullptr;
    IptSaveImageToFileFn* SaveImageToFile = nullptr;
    IptSaveImageToMemoryFn* SaveImageToMemory = nullptr;
    IptRemoveBorderFn* RemoveBorder = nullptr;
    IptBinarizeFn* Binarize = nullptr;
    IptRotateFn* Rotate = nullptr;
    IptGetPropertiesFn* GetProperties = nullptr;
    IptCopyFn* Copy = nullptr;
    IptDropColorFn* DropColor = nullptr;
    IptDetectOrientationFn* DetectOrientation = nullptr;

private:
    bool BindAndInitialize();
    void ClearFunctions();
    void ReleaseModule();

    HINSTANCE__* module_ = nullptr;
};
