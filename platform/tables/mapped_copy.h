// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#pragma once

#include <setjmp.h>

#include <atomic>
#include <cstddef>
#include <cstring>

namespace tables {

// Runs run(context), which reads a mapping; false when it touched pages that are gone because
// the file was made shorter since it was mapped (the read would otherwise end the process with
// SIGBUS). The run is then cut off where it was, so it may only read and write plain memory:
// nothing that allocates, locks, throws or owns anything.
bool RunOnMapping(void (*run)(void*), void* context);

template <typename Body>
bool ReadMapping(Body& body) {
    return RunOnMapping([](void* b) { (*static_cast<Body*>(b))(); }, &body);
}

// Copies n bytes from a mapping into out; false when the pages are gone.
bool CopyFromMapping(void* out, const char* from, std::size_t n);

// Guards a walk that reads a mapping row after row, where even setting up a jump for every row
// costs too much: while the guard lives, a page of [begin, begin + size) that is gone (the file
// was cut short) is replaced by a page of zeros and the read goes on. End tells whether that
// happened; the data read is then worthless, and the mapping must be made again from the file
// before it is read again, since the zero pages stay. Between the guard's start and end the
// code may only read and write plain memory, as for RunOnMapping.
class MappingRead {
  public:
    MappingRead(const char* begin, std::size_t size);
    ~MappingRead() { End(); }
    MappingRead(const MappingRead&) = delete;
    MappingRead& operator=(const MappingRead&) = delete;
    // Ends the guard; true when a page was gone.
    bool End();

    const char* const begin;
    const std::size_t size;
    volatile int faulted = 0;
};

namespace detail {
extern thread_local constinit MappingRead* tMappingRead;
}  // namespace detail

inline MappingRead::MappingRead(const char* from, std::size_t bytes) : begin(from), size(bytes) {
    detail::tMappingRead = this;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

inline bool MappingRead::End() {
    std::atomic_signal_fence(std::memory_order_seq_cst);
    detail::tMappingRead = nullptr;
    return faulted != 0;
}

// Installs the bus-error handler the guards rely on; cheap after the first call.
void InstallBusHandler();

// Copies a record out of the mapping (under a guard) into a row buffer whose fields are read
// right after. A read is then served from the copy's stores still in flight, but only from
// stores no wider than 32 bytes: after the 64-byte stores the library's copy makes on a processor
// with them, each field read waits until the stores reach the cache, tens of cycles a row. Where
// 32-byte moves exist the record is copied in those; elsewhere the library's copy has none wider.
void CopyRecordWide(char* out, const char* from, std::size_t n);
extern const bool gCopyRecordWide;

inline void CopyRecord(char* out, const char* from, std::size_t n) {
    if (gCopyRecordWide && n >= 32)
        return CopyRecordWide(out, from, n);
    std::memcpy(out, from, n);
}

}  // namespace tables
