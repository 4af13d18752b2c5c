// Plain-English text for each result code of the simulated scanner.
#pragma once

namespace sim {

const char* ErrorText(int code);

}  // namespace sim
