#pragma once

#include <QWidget>

// A tool window: a narrow caption bar with a close box only.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A window of the program. Loading it builds every control with its start value; unloading it
// destroys them, values and all. Its close box unloads it.
class FormWindow : public QWidget {
 public:
  bool IsUnloaded() const { return unloaded_; }

  // Hides the window at once; the object itself goes when the current event is done, so that a
  // form may unload itself from inside one of its own handlers.
  void Unload();

 protected:
  explicit FormWindow(Qt::WindowFlags flags);

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool unloaded_ = false;
};

// Each form exists at most once, created on first use.
namespace Forms {

// The loaded form; a form that is not loaded is loaded hidden.
template <class Form>
Form& Load();

// Loads the form if needed, shows it without owner and not modal, and brings it to the front.
template <class Form>
Form& Show();

template <class Form>
void Unload();

template <class Form>
bool IsLoaded();

// Starts the program on the main window. Windows come and go while it runs, the main one included;
// only "Exit" ends it.
void Start();

// Gives the input focus to a shown form.
void Focus(FormWindow& form);

// Ends the program at once: every window disappears together, no close or unload handling runs.
void EndProgram();

// Unloads every form and destroys it now; for tests, between cases.
void UnloadAll();

}  // namespace Forms
