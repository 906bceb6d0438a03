// In this test program freed memory is overwritten at once, so that code
// touching an object after it was freed reads garbage (and soon crashes)
// instead of finding the object as it was.  Objects of one chosen size get
// pages of their own that become inaccessible when freed: any read or write
// of such an object after its free ends the program on the spot, saying so
// (rather than waiting in the debugger Wine starts for a crash).
#include "poisoned_heap.h"

#include <windows.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kGuardedPages = 8192;  // 32 MB of address space, never given back
char* gGuarded = nullptr;
std::size_t gPagesEach = 1;
std::atomic<std::size_t> gGuardedSize{0};
std::atomic<std::size_t> gNextPage{0};

bool IsGuarded(const void* p) {
  const char* c = static_cast<const char*>(p);
  return gGuarded && c >= gGuarded && c < gGuarded + kGuardedPages * kPage;
}

LONG WINAPI ReportFreedAccess(EXCEPTION_POINTERS* e) {
  const EXCEPTION_RECORD& r = *e->ExceptionRecord;
  if (r.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r.NumberParameters >= 2 &&
      IsGuarded(reinterpret_cast<const void*>(r.ExceptionInformation[1]))) {
    std::fflush(stdout);
    std::fprintf(stderr, "\nUse after free: %s of a freed object at %p, from code at %p\n",
                 r.ExceptionInformation[0] ? "write" : "read", reinterpret_cast<void*>(r.ExceptionInformation[1]),
                 r.ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

namespace vex::test {

void GuardObjectsOfSize(std::size_t size) {
  if (!gGuarded) {
    gGuarded = static_cast<char*>(VirtualAlloc(nullptr, kGuardedPages * kPage, MEM_RESERVE, PAGE_NOACCESS));
    SetUnhandledExceptionFilter(ReportFreedAccess);
  }
  gPagesEach = (size + kPage - 1) / kPage;
  gGuardedSize = size;
}

}  // namespace vex::test

void* operator new(std::size_t n) {
  if (n && n == gGuardedSize.load()) {
    const std::size_t page = gNextPage.fetch_add(gPagesEach);
    if (page + gPagesEach <= kGuardedPages)
      if (void* p = VirtualAlloc(gGuarded + page * kPage, gPagesEach * kPage, MEM_COMMIT, PAGE_READWRITE)) return p;
  }
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept {
  if (!p) return;
  if (IsGuarded(p)) {
    DWORD old = 0;
    VirtualProtect(p, gPagesEach * kPage, PAGE_NOACCESS, &old);
    return;
  }
  std::memset(p, 0xDD, _msize(p));
  std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }
