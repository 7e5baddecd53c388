// Copying bytes out of a shared file mapping without dying when another program has cut the
// file short underneath it.
#include "platform/tables/mapped_copy.h"

#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace tables {

thread_local constinit MappingRead* detail::tMappingRead = nullptr;

namespace {

// Set only while this thread copies from a mapping (RunOnMapping).
thread_local sigjmp_buf* tCopying = nullptr;
struct sigaction gPrevious {};
std::uintptr_t gPageSize = 4096;

// Puts a page of zeros where the page of the guarded mapping the address lies in has gone.
// mmap is a plain system call here: it takes no lock that the interrupted code could hold.
bool ZeroFill(MappingRead& read, void* address) {
    auto at = reinterpret_cast<std::uintptr_t>(address);
    auto begin = reinterpret_cast<std::uintptr_t>(read.begin);
    if (at < begin || at - begin >= read.size)
        return false;
    void* page = reinterpret_cast<void*>(at & ~(gPageSize - 1));
    void* zeros = ::mmap(page, gPageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros == MAP_FAILED)
        return false;
    read.faulted = 1;
    return true;
}

// A bus error inside a guarded walk reads zeros, inside a copy ends the copy; any other goes to
// whatever handled it before (the faulting instruction runs again under that handler).
void OnBusError(int signal, siginfo_t* info, void* context) {
    int error = errno;
    bool filled = detail::tMappingRead != nullptr && ZeroFill(*detail::tMappingRead, info->si_addr);
    errno = error;
    if (filled)
        return;
    if (tCopying != nullptr)
        siglongjmp(*tCopying, 1);
    ::sigaction(SIGBUS, &gPrevious, nullptr);
}

bool InstallHandler() {
    gPageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
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

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

const bool gCopyRecordWide = [] {
    __builtin_cpu_init();  // may run before the library's own initialisation
    return __builtin_cpu_supports("avx2") != 0;
}();

__attribute__((target("avx2"))) static inline void Copy32(char* out, const char* from) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from)));
}

__attribute__((target("avx2"))) void CopyRecordWide(char* out, const char* from, std::size_t n) {
    std::size_t at = 0;
    for (; at + 64 <= n; at += 64) {
        Copy32(out + at, from + at);
        Copy32(out + at + 32, from + at + 32);
    }
    if (at + 32 <= n) {
        Copy32(out + at, from + at);
        at += 32;
    }
    if (at < n)
        Copy32(out + n - 32, from + n - 32);  // the last 32 bytes, over some copied already
}

#else

const bool gCopyRecordWide = false;

void CopyRecordWide(char* out, const char* from, std::size_t n) {
    std::memcpy(out, from, n);
}

#endif

bool CopyFromMapping(void* out, const char* from, std::size_t n) {
    auto copy = [&] { std::memcpy(out, from, n); };
    return ReadMapping(copy);
}

}  // namespace tables
