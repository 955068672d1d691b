// zalvor-cli: the headless front end over the engine.
#include "cli/common/druckprogramm.h"
#include "cli/common/lauf.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

// The sanitizer's allocator keeps its own heap.
#if !defined(__SANITIZE_ADDRESS__)
namespace {

// A command runs briefly: what it frees stays in the process for its next allocation instead
// of going back to the system and being faulted in anew (a year's import frees and takes
// buffers of megabytes several times). The heap is laid out once, 64 MB ahead, and offered
// huge pages: where every first touch of a small page costs a trip to the hypervisor, one
// huge page costs about as much as a handful of small ones. Where the system gives none, the
// heap simply stays in small pages.
void* volatile gSockel = nullptr;

void heapEinrichten() {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
    const auto anfang = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    // Makes the heap grow by the pad now; volatile, since a compiler may drop a block that
    // is freed unused.
    void* volatile wachsen = std::malloc(std::size_t{256} << 10);
    std::free(wachsen);
    const auto ende = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    constexpr std::uintptr_t kGross = std::uintptr_t{2} << 20;
    const std::uintptr_t von = (anfang + kGross - 1) & ~(kGross - 1);
    if (ende <= von + kGross) return;
    ::madvise(reinterpret_cast<void*>(von), ende - von, MADV_HUGEPAGE);
    // Everything allocated from now on lies above the boundary: a block up to it is kept and
    // never touched beyond its header.
    void* probe = std::malloc(16);
    const auto hier = reinterpret_cast<std::uintptr_t>(probe);
    if (von > hier + 4096) gSockel = std::malloc(von - hier - 64);
    std::free(probe);
}

} // namespace
#endif

int main(int argc, char** argv) {
#if !defined(__SANITIZE_ADDRESS__)
    heapEinrichten();
#endif
    std::vector<std::string> argumente(argv + 1, argv + argc);
    // "EUROSYMB" lives beside the program.
    std::string verzeichnis = ".";
    char puffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", puffer, sizeof puffer - 1);
    if (n > 0) {
        std::string pfad(puffer, static_cast<std::size_t>(n));
        verzeichnis = pfad.substr(0, pfad.rfind('/'));
    }
    zalvor::cli::druckprogrammVorbereiten(argv, verzeichnis);
    return zalvor::cli::ausfuehren(argumente, std::cout, std::cerr, verzeichnis);
}
