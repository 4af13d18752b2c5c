// One module's ordinary work for the soak: each cycle loads the module, does
// what a caller does with it in one session, and unloads it.
#pragma once

#include <memory>
#include <string>

class ModuleWorkload {
public:
    virtual ~ModuleWorkload() = default;
    // One load, session and unload. Empty when all went as expected, else
    // what failed.
    virtual std::string Cycle() = 0;
};

// The workload for a module file name (TARVX380.ds, TARVX380.dll,
// VOZozur.dll); any other module gets the generic one: load, ask
// DllCanUnloadNow when it is a COM server, unload.
std::unique_ptr<ModuleWorkload> MakeWorkload(const std::string& moduleFile);

// The folder of this program, with a trailing backslash: the modules lie beside it.
std::string ProgramFolder();

std::unique_ptr<ModuleWorkload> MakeSourceWorkload(const std::string& path);
std::unique_ptr<ModuleWorkload> MakeDriverWorkload(const std::string& path);
std::unique_ptr<ModuleWorkload> MakeImagingWorkload(const std::string& path);
std::unique_ptr<ModuleWorkload> MakeGenericWorkload(const std::string& path);
