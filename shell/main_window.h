// The workbench's only window: the controls of the form, the created event
// and the layout that follows the window's size.
#ifndef BRAMBLE_SHELL_MAIN_WINDOW_H_
#define BRAMBLE_SHELL_MAIN_WINDOW_H_

#include <QWidget>
#include <string_view>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QsciScintilla;

namespace bramble {

class CommandRouter;

class MainWindow : public QWidget {
 public:
  MainWindow();
  ~MainWindow() override;

  // The control of the form with this name, or null.
  QWidget* Control(std::string_view name) const;
  QsciScintilla& editor() const { return *editor_; }
  QLineEdit& address_box() const { return *address_box_; }
  QCheckBox& utf8_box() const { return *utf8_box_; }
  QLineEdit& find_box() const { return *find_box_; }
  QLineEdit& expression_box() const { return *expression_box_; }
  QPlainTextEdit& output_box() const { return *output_box_; }

  // The window's outer size, frame included, and a way to set it.
  QSize OuterSize() const;
  void SetOuterSize(int width, int height);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void RunCreatedEvent();
  void MoveToScreenCentre();

  QsciScintilla* editor_ = nullptr;
  QLineEdit* address_box_ = nullptr;
  QCheckBox* utf8_box_ = nullptr;
  QLineEdit* find_box_ = nullptr;
  QLineEdit* expression_box_ = nullptr;
  QPlainTextEdit* output_box_ = nullptr;
  CommandRouter* router_ = nullptr;
  bool shown_ = false;
};

// The created event's set-up: line-number margin, style 41, focus.
void SetUpMainWindow(MainWindow& window);

}  // namespace bramble

#endif  // BRAMBLE_SHELL_MAIN_WINDOW_H_
