#include "SimulatedScanner.h"

namespace {
template <typename Fn>
Fn Export(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
} // namespace

SimulatedScanner::SimulatedScanner()
{
    Reacquire();
    Reset();
}

SimulatedScanner::~SimulatedScanner() { Release(); }

void SimulatedScanner::Bind()
{
    m_reset = Export<decltype(&SIM_Reset)>(m_module, "SIM_Reset");
    m_set = Export<decltype(&SIM_SetValue)>(m_module, "SIM_SetValue");
    m_status = Export<decltype(&SIM_GetStatus)>(m_module, "SIM_GetStatus");
}

void SimulatedScanner::Release()
{
    if (m_module) FreeLibrary(m_module);
    m_module = nullptr;
    Bind();
}

void SimulatedScanner::Reacquire()
{
    if (!m_module) m_module = LoadLibraryA("TARVX380.dll");
    Bind();
}

bool SimulatedScanner::Set(const char* section, const char* key, const char* value) const
{
    return m_set && m_set(section, key, value) == 0;
}

int SimulatedScanner::Status(const char* name) const
{
    int value = -1;
    if (m_status) m_status(name, &value);
    return value;
}

void SimulatedScanner::Reset() const
{
    if (m_reset) m_reset();
}
