// The simulated scanner beside the test program, held loaded for the life of
// the object (so its state survives a source freeing and reloading it) and
// scripted through its SIM_ exports.
#pragma once

#include <windows.h>

#include "standins/driver/SimControl.h"

class SimulatedScanner {
public:
    // Loads TARVX380.dll and resets it to its defaults.
    SimulatedScanner();
    ~SimulatedScanner();
    SimulatedScanner(const SimulatedScanner&) = delete;
    SimulatedScanner& operator=(const SimulatedScanner&) = delete;

    bool Loaded() const { return m_reset && m_set && m_status; }
    HMODULE Module() const { return m_module; }

    // One scenario key; true when the simulator took it.
    bool Set(const char* section, const char* key, const char* value) const;
    // A device state by name (SIM_GetStatus); -1 when unknown.
    int Status(const char* name) const;
    // Back to the defaults.
    void Reset() const;

    // Drops this object's reference to the library, and takes it again.
    void Release();
    void Reacquire();

private:
    void Bind();

    HMODULE m_module = nullptr;
    decltype(&SIM_Reset) m_reset = nullptr;
    decltype(&SIM_SetValue) m_set = nullptr;
    decltype(&SIM_GetStatus) m_status = nullptr;
};
