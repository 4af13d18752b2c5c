// Fuzz target: the simulator's scenario-file parser. Any text is parsed
// without a crash; what parses is written out again and must parse to the
// same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SimConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    sim::SimConfig config;
    std::string error;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!config.Parse(text, error)) return 0;
    config.ResolvedPages();
    const std::string written = config.Serialise();
    sim::SimConfig again;
    if (!again.Parse(written, error)) std::abort();
    if (again.Serialise() != written) std::abort();
    return 0;
}
