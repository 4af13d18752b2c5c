#include "ui/SheetDispatch.h"

#include <vector>

#include "ui/ScanSheetWindow.h"

namespace {

int g_depth = 0;

std::vector<std::unique_ptr<CScanSheet>>& Retired()
{
    static std::vector<std::unique_ptr<CScanSheet>> retired;
    return retired;
}

} // namespace

SheetDispatchScope::SheetDispatchScope() { ++g_depth; }

SheetDispatchScope::~SheetDispatchScope()
{
    if (--g_depth == 0) Retired().clear();
}

void RetireSheet(std::unique_ptr<CScanSheet> sheet)
{
    if (g_depth == 0) return; // deleted here
    Retired().push_back(std::move(sheet));
}
