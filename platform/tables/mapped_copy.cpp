// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#include "platform/tables/mapped_copy.h"

#include <setjmp.h>
#include <signal.h>

#include <atomic>
#include <cstring>

namespace tables {
namespace {

// Set only while this thread copies from a mapping.
thread_local sigjmp_buf* tCopying = nullptr;
struct sigaction gPrevious {};

// A bus error inside a copy ends the copy; any other goes to whatever handled it before (the
// faulting instruction runs again under that handler).
void OnBusError(int signal, siginfo_t* info, void* context) {
    if (tCopying != nullptr)
        siglongjmp(*tCopying, 1);
    ::sigaction(SIGBUS, &gPrevious, nullptr);
}

bool InstallHandler() {
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    // No deferral: the handler leaves by a jump that does not restore the signal mask.
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &gPrevious);
    return true;
}

}  // namespace

bool RunOnMapping(void (*run)(void*), void* context) {
    // Installed once, by whichever thread comes first; a walk through a table runs this for every
    // row, and the check of a static is cheaper than a call to std::call_once.
    [[maybe_unused]] static const bool installed = InstallHandler();
    sigjmp_buf jump;
    if (sigsetjmp(jump, 0) != 0) {
        tCopying = nullptr;
        return false;
    }
    tCopying = &jump;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    run(context);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    tCopying = nullptr;
    return true;
}

bool CopyFromMapping(void* out, const char* from, std::size_t n) {
    auto copy = [&] { std::memcpy(out, from, n); };
    return ReadMapping(copy);
}

}  // namespace tables
