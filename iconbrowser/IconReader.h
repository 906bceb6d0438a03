#pragma once
// Reads the icons of a folder's executables and libraries, and of files added
// later, on worker threads, and hands them to the GUI thread in order.
//
// The GUI thread owns the reader.  Workers never touch a window's contents:
// they put finished files into a queue the reader owns and post `message`
// (wParam: the reading's generation) to the window as a signal; the window
// takes what is ready with Take.  The message carries nothing, so a signal
// that never arrives (window gone) loses nothing, and one from a reading
// that was cancelled is recognised by its generation and ignored.
//
//   reader.Start(window, folder);                // from FormShow
//   on `message` with Current(wParam):     for (auto& f : reader.Take(n)) add f.icons ...
//   reader.Cancel();                       // on close: workers stop after the file they are in
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconStrip.h"

namespace vex::iconbrowser {

// A run of one source file's icons as read, in index order (those the shell
// could not make left out): most often a strip of images with their indexes,
// otherwise icons one by one (see MakeIconStrip).  Handles owned here until
// taken.  A file of many icons comes in several runs.
struct FileIcons {
  std::string file;
  int size = 0;  // the icons' size in pixels
  std::vector<IndexedIcon> icons;  // without a strip
  IconStrip strip;
  std::vector<int> stripIndexes;  // with a strip: each image's index in the file
  std::size_t Count() const { return icons.size() + stripIndexes.size(); }
};

struct ReadingProgress {
  int filesRead = 0;
  int filesKnown = 0;   // grows while the folder is scanned and files are added
  bool scanning = false;  // the folder's names are still being listed
  bool done = true;     // nothing left to read or to take
};

class IconReader {
 public:
  explicit IconReader(UINT message);
  IconReader(const IconReader&) = delete;
  IconReader& operator=(const IconReader&) = delete;
  // Cancels and waits for the workers, each of which ends after the file it
  // is reading.
  ~IconReader();

  // Cancels any reading, then reads `folder`'s executables, then its
  // libraries (see FindIconSources), as a new generation signalling `window`.
  void Start(HWND window, const std::string& folder);
  // Reads one more file after everything already asked for in this
  // generation (a new generation when there is none).
  void Add(HWND window, const std::string& file);
  // Stops the current generation: nothing of it is handed over any more,
  // icons read for it are destroyed.
  void Cancel();
  // The icons' size in pixels for readings started from now on (0: the
  // system's large icon size).
  void SetIconSize(int size) { FIconSize = size; }

  // Whether a signal belongs to the current generation.
  bool Current(WPARAM generation) const;
  WPARAM Generation() const { return FGeneration; }
  // Takes ready runs in order, about `maxIcons` icons (at least one run; a
  // run of single icons bigger than that is handed over in parts).  When some remain, More() says so and no new
  // signal is posted for them: the caller comes back by itself.
  std::vector<FileIcons> Take(std::size_t maxIcons);
  bool More() const;
  ReadingProgress Progress() const;

  // Worker threads still alive, current or cancelled (for tests: icons of a
  // cancelled reading live until its worker has finished its file).
  int LiveWorkers();

 private:
  struct Shared;
  class Worker;
  void Reap();
  void Launch();
  void NewGeneration(HWND window);

  UINT FMessage;
  unsigned FGeneration = 0;
  int FIconSize = 0;
  std::shared_ptr<Shared> FCurrent;
  std::vector<std::unique_ptr<Worker>> FWorkers;
};

}  // namespace vex::iconbrowser
