#include "shell/program_main.h"

#include <QApplication>
#include <QCoreApplication>
#include <memory>
#include <utility>

#include "commands/load_commands.h"
#include "host/script_host.h"
#include "shell/main_window.h"

namespace bramble {
namespace {

std::unique_ptr<ScriptHost> g_global_host;
int g_release_count = 0;

// The one exit routine, run by the application's clean-up at most once.
void (*g_exit_routine)() = nullptr;

void RunExitRoutine() {
  if (auto routine = std::exchange(g_exit_routine, nullptr)) routine();
}

void RegisterExitRoutine(void (*routine)()) {
  g_exit_routine = routine;
  qAddPostRoutine(&RunExitRoutine);
}

}  // namespace

void CreateGlobalHost() {
  g_global_host = std::make_unique<ScriptHost>();
  g_global_host->Init();
}

void ReleaseGlobalHost() {
  if (!g_global_host) return;
  g_global_host->Destroy();
  g_global_host.reset();
  ++g_release_count;
}

ScriptHost& GlobalHost() { return *g_global_host; }

int GlobalHostReleaseCount() { return g_release_count; }

int ProgramMain() {
  CreateGlobalHost();
  RegisterExitRoutine(&ReleaseGlobalHost);
  auto* window = new MainWindow();
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  QApplication::exec();
  StopLoadDeliveries();
  return 0;
}

}  // namespace bramble
