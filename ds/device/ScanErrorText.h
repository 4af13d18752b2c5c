// The message shown for a scan status (g_scanStatus), in the data source's
// language.
#pragma once

#include <cstdint>
#include <string>

std::string ScanErrorText(int32_t code);
