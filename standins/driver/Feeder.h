// Feeder: the stack of sheets in the scanner's input tray.
//
// The sheet at the front is the one the scanner pulls in; it stays there
// (and can be scanned again) until it is fed out. With looping on, the first
// sheet comes back after the last, so the tray never runs empty. Page images
// are read once through the PageLoader and kept.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PageImage.h"

namespace sim {

class Feeder {
public:
    explicit Feeder(PageLoader* loader) : m_loader(loader) {}

    // Fills the tray; dpiOverride > 0 replaces the resolution of every page,
    // fallbackDpi is used for files that do not give one.
    void Fill(const std::vector<std::string>& paths, bool loop, int dpiOverride);

    bool HasPaper() const { return m_position < m_paths.size(); }
    size_t Position() const { return m_position; }
    size_t Count() const { return m_paths.size(); }
    int SheetsOut() const { return m_sheetsOut; }

    // The front sheet's image; null when there is none or it cannot be read.
    std::shared_ptr<const PageImage> FrontPage();
    // The front sheet leaves the scanner.
    void FeedOut();

    static constexpr double kFallbackDpi = 200.0;

private:
    PageLoader* m_loader;
    std::vector<std::string> m_paths;
    bool m_loop = true;
    int m_dpiOverride = 0;
    size_t m_position = 0;
    int m_sheetsOut = 0;
    std::map<std::string, std::shared_ptr<const PageImage>> m_cache;
};

}  // namespace sim
