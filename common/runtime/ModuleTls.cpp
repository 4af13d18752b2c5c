// Per-thread storage for a module that is loaded and unloaded many times in
// one process.
//
// GCC on Windows implements `thread_local` (and the C++ runtime's own
// per-thread exception state) through the emulated-TLS entry point
// __emutls_get_address. The runtime's version keeps its key in the POSIX
// threads layer, which takes a TlsAlloc slot, a thread handle, an event and a
// per-thread record the first time it runs in each copy of the runtime, and
// never gives them back when the DLL unloads: every load of a module that
// threw one exception cost the process one of its ~1,088 slots for good.
//
// This file takes the place of the runtime's version inside each module we
// ship: one slot, taken when first needed, holding a per-thread array of the
// module's variables; a thread's array goes when the thread ends, every array
// and the slot go when the module unloads (ModuleExit.cpp). Only Win32
// is used, so nothing here reaches the POSIX threads layer.
#ifdef __MINGW32__

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "common/runtime/ModuleRuntime.h"

namespace {

// The compiler's control block for one emulated thread-local variable
// (libgcc's struct __emutls_object; word-sized fields on every target).
struct EmutlsObject {
    size_t size;
    size_t align;
    union {
        size_t offset;  // 1-based index of the variable once numbered, 0 before
        void* ptr;
    } loc;
    void* templ;  // initial value, or null for zero-filled
};

// One thread's values: a link in the module's list of threads, the number of
// slots in use, then one pointer per variable.
struct ThreadBlock {
    ThreadBlock* next;
    ThreadBlock* prev;
    size_t count;
    void* values[1];
};

SRWLOCK g_lock = SRWLOCK_INIT;
DWORD g_slot = TLS_OUT_OF_INDEXES;
size_t g_numbered = 0;  // variables numbered so far
ThreadBlock* g_threads = nullptr;

// Each value sits in its own block from malloc, aligned by hand; the word
// just before the value holds what malloc returned.
void* NewValue(const EmutlsObject* obj)
{
    size_t align = obj->align < sizeof(void*) ? sizeof(void*) : obj->align;
    char* raw = static_cast<char*>(std::malloc(obj->size + align + sizeof(void*)));
    if (!raw)
        std::abort();
    uintptr_t at = (reinterpret_cast<uintptr_t>(raw) + sizeof(void*) + align - 1) & ~(uintptr_t)(align - 1);
    reinterpret_cast<void**>(at)[-1] = raw;
    if (obj->templ)
        std::memcpy(reinterpret_cast<void*>(at), obj->templ, obj->size);
    else
        std::memset(reinterpret_cast<void*>(at), 0, obj->size);
    return reinterpret_cast<void*>(at);
}

void FreeBlock(ThreadBlock* block)
{
    for (size_t i = 0; i < block->count; ++i)
        if (block->values[i])
            std::free(static_cast<void**>(block->values[i])[-1]);
    std::free(block);
}

// Unlinks and frees one thread's block; the caller holds the lock.
void DropBlock(ThreadBlock* block)
{
    if (block->prev)
        block->prev->next = block->next;
    else
        g_threads = block->next;
    if (block->next)
        block->next->prev = block->prev;
    FreeBlock(block);
}

size_t NumberOf(EmutlsObject* obj)
{
    size_t index = __atomic_load_n(&obj->loc.offset, __ATOMIC_ACQUIRE);
    if (index)
        return index;
    AcquireSRWLockExclusive(&g_lock);
    index = obj->loc.offset;
    if (!index) {
        if (g_slot == TLS_OUT_OF_INDEXES) {
            g_slot = TlsAlloc();
            if (g_slot == TLS_OUT_OF_INDEXES)
                std::abort();
        }
        index = ++g_numbered;
        __atomic_store_n(&obj->loc.offset, index, __ATOMIC_RELEASE);
    }
    ReleaseSRWLockExclusive(&g_lock);
    return index;
}

// Grows this thread's block to hold `index` values.
ThreadBlock* BlockFor(size_t index)
{
    ThreadBlock* block = static_cast<ThreadBlock*>(TlsGetValue(g_slot));
    if (block && block->count >= index)
        return block;
    size_t count = index + 8;
    size_t bytes = sizeof(ThreadBlock) + (count - 1) * sizeof(void*);
    AcquireSRWLockExclusive(&g_lock);
    ThreadBlock* grown = static_cast<ThreadBlock*>(std::realloc(block, bytes));
    if (!grown)
        std::abort();
    size_t had = block ? grown->count : 0;
    std::memset(&grown->values[had], 0, (count - had) * sizeof(void*));
    grown->count = count;
    if (!block) {
        grown->prev = nullptr;
        grown->next = g_threads;
        g_threads = grown;
    }
    if (grown->next)
        grown->next->prev = grown;
    if (grown->prev)
        grown->prev->next = grown;
    else
        g_threads = grown;
    ReleaseSRWLockExclusive(&g_lock);
    TlsSetValue(g_slot, grown);
    return grown;
}

}  // namespace

namespace tx_runtime {

void ReleaseThreadTls()
{
    if (g_slot == TLS_OUT_OF_INDEXES)
        return;
    ThreadBlock* block = static_cast<ThreadBlock*>(TlsGetValue(g_slot));
    if (!block)
        return;
    TlsSetValue(g_slot, nullptr);
    AcquireSRWLockExclusive(&g_lock);
    DropBlock(block);
    ReleaseSRWLockExclusive(&g_lock);
}

// The module goes: every thread's values and the slot go with it.
void ReleaseModuleTls()
{
    AcquireSRWLockExclusive(&g_lock);
    while (g_threads)
        DropBlock(g_threads);
    if (g_slot != TLS_OUT_OF_INDEXES) {
        TlsFree(g_slot);
        g_slot = TLS_OUT_OF_INDEXES;
    }
    ReleaseSRWLockExclusive(&g_lock);
}

}  // namespace tx_runtime

extern "C" {

void* __emutls_get_address(EmutlsObject* obj)
{
    size_t index = NumberOf(obj);
    ThreadBlock* block = BlockFor(index);
    void*& value = block->values[index - 1];
    if (!value)
        value = NewValue(obj);
    return value;
}

// Common (uninitialised, tentatively defined) variables: the largest size and
// alignment seen wins, as in the runtime's version.
void __emutls_register_common(EmutlsObject* obj, size_t size, size_t align, void* templ)
{
    if (obj->size < size) {
        obj->size = size;
        obj->templ = nullptr;
    }
    if (obj->align < align)
        obj->align = align;
    if (templ && size == obj->size)
        obj->templ = templ;
}

}  // extern "C"

#endif  // __MINGW32__
