#include "model/scratch_files.h"

#include <atomic>
#include <csignal>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#include <unistd.h>
#endif

namespace footmark {

namespace {

// Signals reach the whole process, so the names they must remove are the
// process's: a fixed table that a handler can read without a lock or an
// allocation. A name that does not fit (more writes at once than slots, or
// a very long path) is only not removed on an interrupt.
constexpr int kSlots = 32;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a name
  char path[kPathBytes];
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots without a lock");

Slot slots[kSlots];

// Writer threads at work, and whether an interrupt is ending the program.
std::atomic<int> writers{0};
std::atomic<bool> ending{false};
thread_local bool writerThread = false;
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

// An interrupt came: a writer thread stops before its next file, and waits.
void BetweenFiles() {
  if (!writerThread || !ending.load()) return;
  writers.fetch_sub(1);
  writerThread = false;
  for (;;) {
#ifdef _WIN32
    Sleep(1000);
#else
    ::pause();
#endif
  }
}

// The handler's wait for the writer threads to reach a point between two
// files: a few seconds at most.
void AwaitWriters() {
  ending.store(true);
  for (int i = 0; i < 3000 && writers.load() > 0; ++i) {
#ifdef _WIN32
    Sleep(1);
#else
    const timespec ms{0, 1000000};
    ::nanosleep(&ms, nullptr);
#endif
  }
}

void RemoveAll() {
  for (Slot& slot : slots) {
    if (slot.state.load() != 2) continue;
#ifdef _WIN32
    // Opened with FILE_SHARE_DELETE: a file still open goes with its last handle.
    wchar_t wide[kPathBytes];
    if (MultiByteToWideChar(CP_UTF8, 0, slot.path, -1, wide, static_cast<int>(kPathBytes)) > 0) DeleteFileW(wide);
#else
    ::unlink(slot.path);
#endif
  }
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD) {
  AwaitWriters();
  RemoveAll();
  return FALSE;  // the system's own handling ends the program
}
#else
extern "C" void OnSignal(int signal) {
  AwaitWriters();
  RemoveAll();
  // The handler was reset to the default on entry (SA_RESETHAND): the signal,
  // sent again, ends the program as it would have without us.
  ::raise(signal);
}
#endif

}  // namespace

void RemoveScratchFilesOnInterrupt() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
#endif
}

ScratchGuard::ScratchGuard(const std::string& path) {
  BetweenFiles();
  if (path.size() >= kPathBytes) return;
  for (int i = 0; i < kSlots; ++i) {
    int free = 0;
    if (!slots[i].state.compare_exchange_strong(free, 1)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].state.store(2);
    slot_ = i;
    return;
  }
}

ScratchGuard::~ScratchGuard() {
  if (slot_ >= 0) slots[slot_].state.store(0);
}

WriterThread::WriterThread() {
#ifndef _WIN32
  sigset_t held;
  sigemptyset(&held);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
  pthread_sigmask(SIG_BLOCK, &held, nullptr);
#endif
  writerThread = true;
  writers.fetch_add(1);
  BetweenFiles();
}

WriterThread::~WriterThread() {
  BetweenFiles();
  if (!writerThread) return;
  writerThread = false;
  writers.fetch_sub(1);
}

#ifdef _WIN32
InterruptsHeld::InterruptsHeld() = default;
InterruptsHeld::~InterruptsHeld() = default;
#else
InterruptsHeld::InterruptsHeld() {
  sigset_t held;
  sigemptyset(&held);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
  pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

InterruptsHeld::~InterruptsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
#endif

}  // namespace footmark
