#include <cstring>

#include "common/text/TextTable.h"

namespace tx {

namespace {
const char* Entry(LanguageId id, const TextTable& table) {
    const std::size_t index = LanguageIndex(id);
    return index < kLanguageCount ? table[index] : nullptr;
}
}  // namespace

std::string GetText(LanguageId id, const TextTable& table) {
    const char* text = Entry(id, table);
    return text ? std::string(text) : std::string();
}

void GetText(LanguageId id, const TextTable& table, std::string& out) {
    const char* text = Entry(id, table);
    if (text)
        out.assign(text);
    else
        out.clear();
}

bool GetText(LanguageId id, const TextTable& table, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    const char* text = Entry(id, table);
    if (!text)
        return false;
    const std::size_t length = std::strlen(text);
    if (length >= size)
        return false;
    std::memcpy(buffer, text, length + 1);
    return true;
}

}  // namespace tx
