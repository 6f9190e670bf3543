// The process's one script engine context, on the window thread, and the
// watchdog that stops scripts which run too long or eat too much memory.
// Private to host/: the rest of the program sees only ScriptHost.
#ifndef BRAMBLE_HOST_ENGINE_H_
#define BRAMBLE_HOST_ENGINE_H_

#include <jsapi.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace bramble {

enum class StopReason { kNone, kTimedOut, kOutOfMemory };

// Where a stopped script stood, when the engine could tell.
struct StopPlace {
  unsigned line = 0;
  unsigned column = 0;  // as the engine reports it (1-based)
};

class Engine {
 public:
  // A script may run this long, and grow the process by this much.
  static constexpr std::chrono::seconds kTimeLimit{10};
  static constexpr size_t kMemoryGrowthLimit = size_t{768} << 20;

  // The engine of the calling thread, set up on first use; null when the
  // engine cannot be set up.
  static Engine* Get();
  // The engine if it is up, without setting it up.
  static Engine* Current();

  JSContext* context() const { return cx_; }

  // A host's global, which the engine releases at exit if its host is
  // still alive then. Hosts untrack it before they go.
  using GlobalSlot = std::optional<JS::PersistentRootedObject>;
  void Track(GlobalSlot* slot) { globals_.insert(slot); }
  void Untrack(GlobalSlot* slot) { globals_.erase(slot); }

  // Marks a script run; the watchdog stops the run when it breaks a limit.
  class RunScope {
   public:
    explicit RunScope(Engine& engine);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;
    // Why the engine stopped the run, if it did.
    StopReason stop_reason() const;
    StopPlace stop_place() const { return engine_.stop_place_; }

   private:
    Engine& engine_;
    bool outermost_;
  };

 private:
  Engine() = default;
  ~Engine();
  bool SetUp();
  // Tears the engine down at process exit.
  static void ShutDown();
  void WatchdogLoop();
  static bool InterruptCallback(JSContext* cx);

  JSContext* cx_ = nullptr;
  std::thread watchdog_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool quit_ = false;
  int depth_ = 0;  // nested runs: only the outermost is timed
  bool running_ = false;
  std::chrono::steady_clock::time_point started_;
  size_t baseline_rss_ = 0;
  std::atomic<StopReason> stop_reason_{StopReason::kNone};
  StopPlace stop_place_;
  std::set<GlobalSlot*> globals_;
};

}  // namespace bramble

#endif  // BRAMBLE_HOST_ENGINE_H_
