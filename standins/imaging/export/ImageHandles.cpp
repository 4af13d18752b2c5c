// Live image table (see ImageHandles.h).
#include "ImageHandles.h"

#include <map>
#include <mutex>

namespace vzdll {
namespace {

std::mutex g_lock;
int g_initCount = 0;
std::map<void*, std::unique_ptr<vz::Image>>& Table() {
    static std::map<void*, std::unique_ptr<vz::Image>> table;
    return table;
}

}  // namespace

void AddInitialization() {
    std::lock_guard<std::mutex> hold(g_lock);
    ++g_initCount;
}

bool RemoveInitialization() {
    std::lock_guard<std::mutex> hold(g_lock);
    if (g_initCount == 0) return false;
    if (--g_initCount == 0) Table().clear();
    return true;
}

bool IsInitialized() {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_initCount > 0;
}

void* Register(std::unique_ptr<vz::Image> image) {
    std::lock_guard<std::mutex> hold(g_lock);
    void* handle = image.get();
    Table()[handle] = std::move(image);
    return handle;
}

vz::Image* Find(void* handle) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : it->second.get();
}

bool Release(void* handle) {
    std::lock_guard<std::mutex> hold(g_lock);
    return Table().erase(handle) == 1;
}

}  // namespace vzdll
