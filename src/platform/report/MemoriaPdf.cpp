#include "platform/report/MemoriaPdf.h"

#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace report {

namespace {

// Qt's PDF writer builds each page in a buffer of a few hundred kilobytes,
// reads it back in chunks to compress it and frees it. With glibc's default
// settings every such free at the top of the heap gives the memory back to
// the system and the next page faults it in again: that page-table work
// took two thirds of the time of a 1,000-page print. A padding of 64 MiB on
// each heap extension keeps that memory in the process (it is only virtual
// until touched, and at most that much stays unused). Fixing the padding
// stops glibc from adapting its mmap threshold, so it is fixed too, at its
// largest: blocks below 32 MiB come from the heap rather than from a new
// mapping each time.
constexpr int kRellenoMonticulo = 64 << 20;
constexpr int kUmbralMapeo = 32 << 20;

} // namespace

void PrepararMemoriaPdf()
{
#ifdef __GLIBC__
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        mallopt(M_MMAP_THRESHOLD, kUmbralMapeo);
        mallopt(M_TOP_PAD, kRellenoMonticulo);
    });
#endif
}

} // namespace report
