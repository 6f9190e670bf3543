#include "commands/load_commands.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMetaObject>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "loading/source_loader.h"
#include "shell/editor_text.h"
#include "shell/main_window.h"
#include "shell/output_log.h"
#include "shell/ui_text.h"

namespace bramble {
namespace {

std::atomic<int> g_running_loads{0};
// Results are handed to the window thread only while its event loop runs.
std::mutex g_delivery_mutex;
bool g_delivering = true;

// The window's side of its loads, touched on the window thread only; the
// workers keep it alive through shared pointers.
struct LoadState {
  MainWindow* window = nullptr;  // null once the window is gone
  uint64_t latest = 0;           // the number of the most recent load
  std::shared_ptr<std::atomic<bool>> cancel_latest;
};

// Lives as a child of the window and tells the loads when it goes.
class LoadTracker : public QObject {
 public:
  static constexpr char kName[] = "bramble-load-tracker";

  explicit LoadTracker(MainWindow& window)
      : QObject(&window), state_(std::make_shared<LoadState>()) {
    setObjectName(kName);
    state_->window = &window;
  }
  ~LoadTracker() override {
    state_->window = nullptr;
    if (state_->cancel_latest) *state_->cancel_latest = true;
  }
  const std::shared_ptr<LoadState>& state() const { return state_; }

 private:
  std::shared_ptr<LoadState> state_;
};

std::shared_ptr<LoadState> StateOf(MainWindow& window) {
  // Found by name: the tracker has no meta-object of its own to cast by.
  auto* tracker = static_cast<LoadTracker*>(window.findChild<QObject*>(
      LoadTracker::kName, Qt::FindDirectChildrenOnly));
  if (tracker == nullptr) tracker = new LoadTracker(window);
  return tracker->state();
}

// On the window thread: the result of load `number`, if it is still the
// latest.
void Deliver(const std::shared_ptr<LoadState>& state, uint64_t number,
             const LoadedSource& source) {
  if (state->window == nullptr || number != state->latest) return;
  if (source.ok) {
    SetEditorText(state->window->editor(), source.text);
  } else {
    AppendOutput(*state->window, LoadFailureText(source));
  }
}

}  // namespace

void StartLoad(MainWindow& window) {
  const std::shared_ptr<LoadState> state = StateOf(window);
  if (state->cancel_latest) *state->cancel_latest = true;
  const uint64_t number = ++state->latest;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  state->cancel_latest = cancel;

  const std::string address = FromQString(window.address_box().text());
  const bool decode_utf8 = window.utf8_box().isChecked();
  const std::filesystem::path folder =
      QCoreApplication::applicationDirPath().toStdString();
  ++g_running_loads;
  std::thread([state, number, cancel, address, decode_utf8, folder] {
    LoadedSource source =
        ReadSource(address, decode_utf8, folder, cancel.get());
    {
      std::lock_guard<std::mutex> lock(g_delivery_mutex);
      if (g_delivering) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [state, number, source = std::move(source)] {
              Deliver(state, number, source);
            },
            Qt::QueuedConnection);
      }
    }
    --g_running_loads;
  }).detach();
}

void ClearAddress(MainWindow& window) { window.address_box().clear(); }

bool LoadsRunning() { return g_running_loads > 0; }

void StopLoadDeliveries() {
  std::lock_guard<std::mutex> lock(g_delivery_mutex);
  g_delivering = false;
}

}  // namespace bramble
