// The verbs of txscan; each returns its exit code and prints its errors.
#pragma once

#include "Options.h"

int RunCommand(const Options& options);
