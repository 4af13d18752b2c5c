#include "Feeder.h"

#include <cmath>

namespace sim {

void Feeder::Fill(const std::vector<std::string>& paths, bool loop, int dpiOverride)
{
    m_paths = paths;
    m_loop = loop;
    m_position = 0;
    m_sheetsOut = 0;
    if (dpiOverride != m_dpiOverride)
        m_cache.clear();
    m_dpiOverride = dpiOverride;
}

std::shared_ptr<const PageImage> Feeder::FrontPage()
{
    if (!HasPaper() || m_loader == nullptr)
        return nullptr;
    const std::string& path = m_paths[m_position];
    auto found = m_cache.find(path);
    if (found != m_cache.end())
        return found->second;
    std::shared_ptr<const PageImage> loaded = m_loader->Load(path);
    if (!loaded || loaded->width <= 0 || loaded->height <= 0 ||
        loaded->rgb.size() != static_cast<size_t>(loaded->width) * loaded->height * 3)
        return nullptr;
    auto page = std::make_shared<PageImage>(*loaded);
    if (m_dpiOverride > 0)
        page->dpiX = page->dpiY = m_dpiOverride;
    // Files store metric resolutions (150 dpi as 5906 per metre): whole dpi.
    page->dpiX = std::round(page->dpiX);
    page->dpiY = std::round(page->dpiY);
    if (!(page->dpiX >= 50 && page->dpiX <= 2400))
        page->dpiX = kFallbackDpi;
    if (!(page->dpiY >= 50 && page->dpiY <= 2400))
        page->dpiY = kFallbackDpi;
    m_cache[path] = page;
    return page;
}

void Feeder::FeedOut()
{
    if (!HasPaper())
        return;
    ++m_sheetsOut;
    ++m_position;
    if (m_loop && m_position >= m_paths.size())
        m_position = 0;
}

}  // namespace sim
