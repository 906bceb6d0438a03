#include "skin/data/GdiScope.h"

#include <vector>

namespace vex::skin {
namespace {

struct SavedDc {
  HDC dc;
  int saved;
};

// DCs in use keep the id of their saved state; free ones wait in `free`.
struct Pool {
  std::vector<HDC> free;
  std::vector<SavedDc> lent;
  ~Pool() {
    for (HDC dc : free) DeleteDC(dc);
  }
};

Pool& ThreadPool() {
  thread_local Pool pool;
  return pool;
}

constexpr std::size_t kKeep = 8;

}  // namespace

HDC BorrowMemoryDc() {
  Pool& pool = ThreadPool();
  HDC dc = nullptr;
  if (!pool.free.empty()) {
    dc = pool.free.back();
    pool.free.pop_back();
  } else {
    dc = CreateCompatibleDC(nullptr);
    if (!dc) return nullptr;
  }
  pool.lent.push_back({dc, SaveDC(dc)});
  return dc;
}

void ReturnMemoryDc(HDC dc) {
  Pool& pool = ThreadPool();
  for (auto it = pool.lent.rbegin(); it != pool.lent.rend(); ++it) {
    if (it->dc != dc) continue;
    const bool restored = it->saved && RestoreDC(dc, it->saved);
    pool.lent.erase(std::next(it).base());
    if (restored && pool.free.size() < kKeep)
      pool.free.push_back(dc);
    else
      DeleteDC(dc);
    return;
  }
  DeleteDC(dc);
}

int PooledMemoryDcs() { return static_cast<int>(ThreadPool().free.size()); }

HDC SharedScreenDc() {
  struct Screen {
    HDC dc = GetDC(nullptr);
    ~Screen() {
      if (dc) ReleaseDC(nullptr, dc);
    }
  };
  static Screen screen;
  return screen.dc;
}

}  // namespace vex::skin
