// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#include "platform/tables/mapped_copy.h"

#include <signal.h>

#include <cstring>

namespace tables {

thread_local constinit sigjmp_buf* detail::tMappingJump = nullptr;

namespace {

struct sigaction gPrevious {};

// A bus error inside a read ends the read; any other goes to whatever handled it before (the
// faulting instruction runs again under that handler).
void OnBusError(int signal, siginfo_t* info, void* context) {
    if (detail::tMappingJump != nullptr)
        siglongjmp(*detail::tMappingJump, 1);
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

void InstallBusHandler() {
    // Installed once, by whichever thread comes first.
    [[maybe_unused]] static const bool installed = InstallHandler();
}

bool RunOnMapping(void (*run)(void*), void* context) {
    InstallBusHandler();
    sigjmp_buf jump;
    if (sigsetjmp(jump, 0) != 0) {
        MappingReadEnded();
        return false;
    }
    MappingReadStarted(jump);
    run(context);
    MappingReadEnded();
    return true;
}

bool CopyFromMapping(void* out, const char* from, std::size_t n) {
    auto copy = [&] { std::memcpy(out, from, n); };
    return ReadMapping(copy);
}

}  // namespace tables
