#include "host/engine.h"

#include <js/Initialization.h>
#include <js/Interrupt.h>
#include <js/Stack.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace bramble {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);
// Most of the window thread's 8 MB stack; deep recursion in a script then
// ends in the engine's "too much recursion" error instead of a crash.
constexpr size_t kNativeStackQuota = size_t{4} << 20;
constexpr uint32_t kGcHeapLimit = uint32_t{1} << 30;

// Resident size of the process in bytes, from /proc/self/statm.
size_t ResidentBytes() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  unsigned long pages_total = 0, pages_resident = 0;
  const int read = std::fscanf(f, "%lu %lu", &pages_total, &pages_resident);
  std::fclose(f);
  if (read != 2) return 0;
  return static_cast<size_t>(pages_resident) *
         static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

Engine* g_engine = nullptr;  // set while the engine is up
bool g_tried = false;

}  // namespace

Engine* Engine::Get() {
  if (!g_tried) {
    g_tried = true;
    auto* engine = new Engine();
    if (engine->SetUp()) {
      g_engine = engine;
      std::atexit(&Engine::ShutDown);
    } else {
      delete engine;
    }
  }
  return g_engine;
}

Engine* Engine::Current() { return g_engine; }

void Engine::ShutDown() {
  Engine* engine = g_engine;
  if (engine == nullptr) return;
  for (GlobalSlot* slot : engine->globals_) slot->reset();
  engine->globals_.clear();
  g_engine = nullptr;
  delete engine;
  JS_ShutDown();
}

bool Engine::SetUp() {
  if (!JS_Init()) return false;
  cx_ = JS_NewContext(JS::DefaultHeapMaxBytes);
  if (cx_ == nullptr) return false;
  JS_SetNativeStackQuota(cx_, kNativeStackQuota);
  JS_SetGCParameter(cx_, JSGC_MAX_BYTES, kGcHeapLimit);
  if (!JS::InitSelfHostedCode(cx_)) return false;
  if (!JS_AddInterruptCallback(cx_, &Engine::InterruptCallback)) return false;
  watchdog_ = std::thread([this] { WatchdogLoop(); });
  return true;
}

Engine::~Engine() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  if (watchdog_.joinable()) watchdog_.join();
  if (cx_ != nullptr) JS_DestroyContext(cx_);
}

void Engine::WatchdogLoop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!quit_) {
    if (!running_) {
      wake_.wait(lock);
      continue;
    }
    wake_.wait_for(lock, kPollInterval);
    if (!running_ || stop_reason_ != StopReason::kNone) continue;
    StopReason reason = StopReason::kNone;
    if (std::chrono::steady_clock::now() - started_ > kTimeLimit) {
      reason = StopReason::kTimedOut;
    } else if (ResidentBytes() > baseline_rss_ + kMemoryGrowthLimit) {
      reason = StopReason::kOutOfMemory;
    }
    if (reason != StopReason::kNone) {
      stop_reason_ = reason;
      JS_RequestInterruptCallback(cx_);
    }
  }
}

bool Engine::InterruptCallback(JSContext* cx) {
  Engine* engine = g_engine;
  if (engine == nullptr || engine->stop_reason_ == StopReason::kNone) {
    return true;
  }
  StopPlace place;
  JS::DescribeScriptedCaller(cx, nullptr, &place.line, &place.column);
  engine->stop_place_ = place;
  return false;  // ends the script: uncatchable
}

Engine::RunScope::RunScope(Engine& engine)
    : engine_(engine), outermost_(engine.depth_ == 0) {
  ++engine_.depth_;
  if (!outermost_) return;
  {
    std::lock_guard<std::mutex> lock(engine_.mutex_);
    engine_.running_ = true;
    engine_.started_ = std::chrono::steady_clock::now();
    engine_.baseline_rss_ = ResidentBytes();
    engine_.stop_reason_ = StopReason::kNone;
    engine_.stop_place_ = {};
  }
  engine_.wake_.notify_all();
}

Engine::RunScope::~RunScope() {
  --engine_.depth_;
  if (!outermost_) return;
  std::lock_guard<std::mutex> lock(engine_.mutex_);
  engine_.running_ = false;
}

StopReason Engine::RunScope::stop_reason() const {
  return engine_.stop_reason_;
}

}  // namespace bramble
