// Memory that ends exactly at an inaccessible page, so that a source reading
// or writing one byte past what it was given faults at once.
#pragma once

#include <cstddef>
#include <cstdint>

class GuardedBlock {
public:
    explicit GuardedBlock(size_t bytes);
    ~GuardedBlock();
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    uint8_t* Data() const { return m_data; }
    size_t Size() const { return m_size; }
    bool Valid() const { return m_data != nullptr; }

private:
    void* m_base = nullptr;
    uint8_t* m_data = nullptr;
    size_t m_size = 0;
};
