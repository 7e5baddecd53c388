// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#pragma once

#include <setjmp.h>

#include <atomic>
#include <cstddef>

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

namespace detail {
// The jump of the read of a mapping this thread is in, if any.
extern thread_local constinit sigjmp_buf* tMappingJump;
}  // namespace detail

// The same guard without a call per read, for a walk that reads a mapping row after row. The
// jump lives in the caller's frame, with the same rules for what happens between the two calls:
//     sigjmp_buf jump;
//     if (sigsetjmp(jump, 0) != 0) { MappingReadEnded(); ...the pages were gone... }
//     MappingReadStarted(jump);
//     ...plain reads...
//     MappingReadEnded();
// InstallBusHandler must have run first (opening a mapping runs it).
void InstallBusHandler();
inline void MappingReadStarted(sigjmp_buf& jump) {
    detail::tMappingJump = &jump;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}
inline void MappingReadEnded() {
    std::atomic_signal_fence(std::memory_order_seq_cst);
    detail::tMappingJump = nullptr;
}

}  // namespace tables
