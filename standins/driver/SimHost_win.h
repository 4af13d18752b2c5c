// The one simulated scanner of the process and where it finds its files:
// the bundled sample pages in the "samples" folder beside this library, and
// the scenario file named by the environment variable TARVX380_SIM.
#pragma once

#include <string>

#include "ScannerDevice.h"

namespace sim {

// Created on first use, configured from TARVX380_SIM when it is set.
ScannerDevice& TheDevice();

// Reads a scenario file into a configuration (page paths relative to it).
bool LoadScenarioFile(const std::string& path, SimConfig& config, std::string& error);

// The message of the last failed control call.
void SetControlMessage(const std::string& text);
std::string ControlMessage();

}  // namespace sim
