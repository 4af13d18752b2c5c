#include "transfer/FileXferTarget.h"

#include <cstdio>

#include "session/DataSourceApp.h"

namespace {
char g_fileName[256] = "TWAIN.BMP";
} // namespace

const char* FileXferName() { return g_fileName; }

void SetFileXferName(const char* name)
{
    std::snprintf(g_fileName, sizeof g_fileName, "%s", name ? name : "");
}

void ResetFileXferTarget()
{
    SetFileXferName(kDefaultXferFileName);
    TheApp().m_settings.FileFormat = TWFF_BMP;
}
