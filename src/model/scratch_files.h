// Scratch files of a run (an output being written beside its final name, the
// workbook's file in the temporary folder), removed when the program is
// interrupted so that an interrupted run leaves nothing behind.
#pragma once

#include <string>
#ifndef _WIN32
#include <csignal>
#endif

namespace footmark {

// Installs the handlers that remove the run's scratch files on SIGINT,
// SIGTERM and SIGHUP (Ctrl+C, Ctrl+Break and a closed console on Windows)
// before the program ends as the signal ends it. A signal that the program
// was started with ignored stays ignored. Each front end calls it once.
void RemoveScratchFilesOnInterrupt();

// A scratch file's name, known to the handlers while the guard lives: taken
// before the file is created, dropped once it is renamed or removed.
class ScratchGuard {
 public:
  explicit ScratchGuard(const std::string& path);
  ~ScratchGuard();
  ScratchGuard(const ScratchGuard&) = delete;
  ScratchGuard& operator=(const ScratchGuard&) = delete;

 private:
  int slot_ = -1;
};

// A thread that writes files beside the one that takes the interrupts,
// while it lives: it leaves the interrupts to the other threads, and an
// interrupt waits until the thread is between two files (every ScratchGuard
// is made between files) or done, so that the scratch files removed are all
// there are; the thread then waits for the end.
class WriterThread {
 public:
  WriterThread();
  ~WriterThread();
  WriterThread(const WriterThread&) = delete;
  WriterThread& operator=(const WriterThread&) = delete;
};

// Holds the interrupts back while it lives; one that came meanwhile is
// handled at its end. For a library that creates its own scratch files and
// removes their names a moment later (libxlsxwriter on POSIX systems). On
// Windows such files go when the program ends, and nothing is held.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
#ifndef _WIN32
  sigset_t previous_;
#endif
};

}  // namespace footmark
