// Loading a script into the editor from the path or URL in the address box.
#ifndef BRAMBLE_COMMANDS_LOAD_COMMANDS_H_
#define BRAMBLE_COMMANDS_LOAD_COMMANDS_H_

namespace bramble {

class MainWindow;

// Starts a load on a worker thread. A load started later supersedes it: a
// superseded load never touches the editor. A load that succeeds replaces
// the editor's text in one undo step; one that fails keeps the text and
// writes "读取失败：" and the reason to the output box.
void StartLoad(MainWindow& window);
void ClearAddress(MainWindow& window);

// Whether some worker is still reading or downloading: the program does not
// wait for it at exit.
bool LoadsRunning();
// Called when the event loop has ended: later results are dropped.
void StopLoadDeliveries();

}  // namespace bramble

#endif  // BRAMBLE_COMMANDS_LOAD_COMMANDS_H_
