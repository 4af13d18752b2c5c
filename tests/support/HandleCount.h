// The number of kernel handles this process holds. Wine answers
// GetProcessHandleCount with 0, so the count falls back to asking every
// possible handle value for its information.
#pragma once

long CountProcessHandles();
