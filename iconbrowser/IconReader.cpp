#include "iconbrowser/IconReader.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <utility>

#include "widgets/TThread.h"

namespace vex::iconbrowser {

namespace {
// Icons read but not yet taken, beyond which a worker waits: every icon holds
// system handles (the process has ten thousand GDI handles), and a GUI thread
// held up in a menu or a dialog must not find its quota spent.
constexpr std::size_t kMaxWaitingIcons = 1024;
// Icons per strip: one ImageList_Add for them costs about what one icon
// did, and the list's items for a strip (about a millisecond each under
// Wine) still fit in one short step of the GUI thread.
constexpr std::size_t kStripIcons = 16;

// The file's icons as runs ready for the list, straight from the images'
// bits where they allow it (most icons of today's programs), otherwise
// through the shell's icons: strips where the icons allow, single icons
// where not.
std::vector<FileIcons> ReadFileIcons(const std::string& file, int size) {
  const int cell = size > 0 ? size : GetSystemMetrics(SM_CXICON);
  if (std::optional<PlainIcons> plain = ReadPlainIcons(file, size)) {
    std::vector<FileIcons> runs;
    for (std::size_t first = 0; first < plain->images.size(); first += kStripIcons) {
      const std::size_t n = std::min(kStripIcons, plain->images.size() - first);
      std::vector<std::span<const std::uint8_t>> images;
      FileIcons run{file, cell, {}, {}, {}};
      for (std::size_t i = first; i < first + n; ++i) {
        images.push_back(plain->images[i].second);
        run.stripIndexes.push_back(plain->images[i].first);
      }
      run.strip = MakeIconStrip(MakeCellStripBits(images, cell));
      if (run.strip.count == 0) break;  // out of bitmaps: the shell's way below, which copes one icon at a time
      runs.push_back(std::move(run));
    }
    if (runs.size() * kStripIcons >= plain->images.size()) return runs;
  }
  std::vector<IndexedIcon> icons = ExtractAllIcons(file, size);
  std::vector<FileIcons> runs;
  for (std::size_t first = 0; first < icons.size(); first += kStripIcons) {
    const std::size_t n = std::min(kStripIcons, icons.size() - first);
    std::vector<HICON> handles;
    for (std::size_t i = 0; i < n; ++i) handles.push_back(icons[first + i].icon.get());
    FileIcons run{file, cell, {}, MakeIconStrip(handles.data(), n, cell), {}};
    const auto begin = icons.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = begin + static_cast<std::ptrdiff_t>(n);
    if (run.strip.count > 0) {
      for (auto i = begin; i != end; ++i) run.stripIndexes.push_back(i->index);
    } else {
      run.icons.assign(std::make_move_iterator(begin), std::make_move_iterator(end));
    }
    runs.push_back(std::move(run));
  }
  return runs;  // icons that went into strips are destroyed here, off the GUI thread
}
}  // namespace

// What one generation's worker and the GUI thread share.  Only the lock's
// holder touches the fields; nothing waits on the GUI thread while it is
// held, and posting a message does not wait either.
struct IconReader::Shared {
  struct Job {
    bool folder = false;
    std::string path;
  };

  HWND window = nullptr;  // null once cancelled: no more signals
  UINT message = 0;
  WPARAM generation = 0;
  int iconSize = 0;

  std::mutex lock;
  std::condition_variable room;
  bool cancelled = false;
  bool workerRunning = false;
  bool signalled = false;  // a signal is on its way, or the GUI said it will come back
  std::deque<Job> jobs;
  std::deque<FileIcons> ready;  // runs
  std::size_t readyIcons = 0;
  ReadingProgress progress;

  // Under the lock: tells the window there is something new (files, or the
  // end), once until it takes.
  void Signal() {
    if (!signalled && window) signalled = PostMessageA(window, message, generation, 0) != FALSE;
  }

  void Run();
};

void IconReader::Shared::Run() {
  for (;;) {
    Job job;
    {
      std::lock_guard<std::mutex> hold(lock);
      if (cancelled || jobs.empty()) {
        workerRunning = false;
        Signal();
        return;
      }
      job = std::move(jobs.front());
      jobs.pop_front();
      progress.scanning = job.folder;
    }
    if (job.folder) {
      std::vector<std::string> files;
      FindIconSources(job.path, files, ListDirectoryWin32);
      std::lock_guard<std::mutex> hold(lock);
      progress.scanning = false;
      progress.filesKnown += static_cast<int>(files.size());
      // Before anything added while the folder was listed: its files come first.
      std::vector<Job> found;
      for (auto& f : files) found.push_back({false, std::move(f)});
      jobs.insert(jobs.begin(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
      Signal();
      continue;
    }
    std::vector<FileIcons> read = ReadFileIcons(job.path, iconSize);
    std::unique_lock<std::mutex> hold(lock);
    room.wait(hold, [this] { return cancelled || readyIcons < kMaxWaitingIcons; });
    if (cancelled) continue;  // the icons go with `read`; the loop ends above
    ++progress.filesRead;
    for (FileIcons& run : read) {
      readyIcons += run.Count();
      ready.push_back(std::move(run));
    }
    Signal();
  }
}

class IconReader::Worker : public vcl::TThread {
 public:
  explicit Worker(std::shared_ptr<Shared> shared) : TThread(true), FShared(std::move(shared)) {}
  // The thread uses FShared: it must end before the member goes.
  ~Worker() override { WaitFor(); }

 protected:
  void Execute() override {
    try {
      FShared->Run();
    } catch (...) {
      // Out of memory, most likely: end this reading as it stands rather
      // than leave the window waiting for more.
      std::lock_guard<std::mutex> hold(FShared->lock);
      FShared->jobs.clear();
      FShared->workerRunning = false;
      FShared->Signal();
    }
  }

 private:
  std::shared_ptr<Shared> FShared;
};

IconReader::IconReader(UINT message) : FMessage(message) {}

IconReader::~IconReader() {
  Cancel();
  FWorkers.clear();  // each waits for its thread
}

void IconReader::NewGeneration(HWND window) {
  Cancel();
  FCurrent = std::make_shared<Shared>();
  FCurrent->window = window;
  FCurrent->message = FMessage;
  FCurrent->generation = ++FGeneration;
  FCurrent->iconSize = FIconSize;
}

void IconReader::Start(HWND window, const std::string& folder) {
  NewGeneration(window);
  FCurrent->jobs.push_back({true, folder});
  FCurrent->workerRunning = true;
  Launch();
}

void IconReader::Add(HWND window, const std::string& file) {
  if (!FCurrent) NewGeneration(window);
  bool launch = false;
  {
    std::lock_guard<std::mutex> hold(FCurrent->lock);
    FCurrent->jobs.push_back({false, file});
    ++FCurrent->progress.filesKnown;
    launch = !FCurrent->workerRunning;
    FCurrent->workerRunning = true;
  }
  if (launch) Launch();
}

void IconReader::Launch() {
  Reap();
  auto worker = std::make_unique<Worker>(FCurrent);
  try {
    worker->Start();
  } catch (...) {
    std::lock_guard<std::mutex> hold(FCurrent->lock);
    FCurrent->jobs.clear();
    FCurrent->workerRunning = false;
    throw;
  }
  FWorkers.push_back(std::move(worker));
}

void IconReader::Cancel() {
  if (!FCurrent) return;
  std::deque<FileIcons> dropped;  // its icons are destroyed after the lock is let go
  {
    std::lock_guard<std::mutex> hold(FCurrent->lock);
    FCurrent->cancelled = true;
    FCurrent->window = nullptr;
    FCurrent->jobs.clear();
    dropped.swap(FCurrent->ready);
    FCurrent->readyIcons = 0;
  }
  FCurrent->room.notify_all();
  FCurrent.reset();
  Reap();
}

bool IconReader::Current(WPARAM generation) const { return FCurrent && FCurrent->generation == generation; }

std::vector<FileIcons> IconReader::Take(std::size_t maxIcons) {
  std::vector<FileIcons> taken;
  if (!FCurrent) return taken;
  {
    std::lock_guard<std::mutex> hold(FCurrent->lock);
    std::size_t icons = 0;
    while (!FCurrent->ready.empty() && icons < maxIcons) {
      FileIcons& front = FCurrent->ready.front();
      const std::size_t room = maxIcons - icons;
      if (front.strip.count == 0 && front.icons.size() > room) {
        // A long run of single icons goes in parts, the first icons first.
        FileIcons part{front.file, front.size, {}, {}, {}};
        part.icons.assign(std::make_move_iterator(front.icons.begin()),
                          std::make_move_iterator(front.icons.begin() + static_cast<std::ptrdiff_t>(room)));
        front.icons.erase(front.icons.begin(), front.icons.begin() + static_cast<std::ptrdiff_t>(room));
        taken.push_back(std::move(part));
        icons += room;
        break;
      }
      icons += front.Count();
      taken.push_back(std::move(front));
      FCurrent->ready.pop_front();
    }
    FCurrent->readyIcons -= icons;
    // With files left the window comes back by itself; otherwise the next
    // file read signals again.
    FCurrent->signalled = !FCurrent->ready.empty();
  }
  FCurrent->room.notify_all();
  return taken;
}

bool IconReader::More() const {
  if (!FCurrent) return false;
  std::lock_guard<std::mutex> hold(FCurrent->lock);
  return !FCurrent->ready.empty();
}

ReadingProgress IconReader::Progress() const {
  if (!FCurrent) return {};
  std::lock_guard<std::mutex> hold(FCurrent->lock);
  ReadingProgress p = FCurrent->progress;
  p.done = !FCurrent->workerRunning && FCurrent->jobs.empty() && FCurrent->ready.empty();
  return p;
}

int IconReader::LiveWorkers() {
  Reap();
  return static_cast<int>(FWorkers.size());
}

void IconReader::Reap() {
  FWorkers.erase(std::remove_if(FWorkers.begin(), FWorkers.end(), [](const auto& w) { return w->Finished(); }),
                 FWorkers.end());
}

}  // namespace vex::iconbrowser
