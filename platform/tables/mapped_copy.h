// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#pragma once

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

}  // namespace tables
