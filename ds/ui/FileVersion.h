// The version of a file from its version resource, as "a.b.c.d"; "---" when
// the file is missing or has no fixed version information.
#pragma once

#include <string>

std::string FileVersionText(const std::string& path);
