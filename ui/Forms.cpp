#include "ui/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QShowEvent>
#include <QWindow>

#include "ui/TaskBar.h"
#include "ui/frmAbout.h"
#include "ui/frmCode.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/frmSave.h"

namespace {

// Gives the focus back to a form once a window shown after it has appeared on screen: a window
// that is shown and activated before it is mapped takes the focus when the mapping completes.
class RefocusWhenExposed : public QObject {
 public:
  RefocusWhenExposed(QWindow* appearing, QWidget* form) : QObject(appearing), form_(form) {
    appearing->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      if (form_ && form_->isVisible()) form_->activateWindow();
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> form_;
};

template <class Form>
QPointer<Form>& Instance() {
  static QPointer<Form> instance;
  return instance;
}

}  // namespace

FormWindow::FormWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {}

void FormWindow::Unload() {
  unloaded_ = true;
  hide();
  deleteLater();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!unloaded_) Unload();
}

void FormWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) KeepOutOfTaskBar(this);
  QWidget::showEvent(event);
}

namespace Forms {

template <class Form>
Form& Load() {
  QPointer<Form>& instance = Instance<Form>();
  if (!instance || instance->IsUnloaded()) instance = new Form();
  return *instance;
}

template <class Form>
Form& Show() {
  Form& form = Load<Form>();
  form.show();
  form.raise();
  form.activateWindow();
  return form;
}

template <class Form>
void Unload() {
  QPointer<Form>& instance = Instance<Form>();
  if (instance && !instance->IsUnloaded()) instance->Unload();
  instance = nullptr;
}

template <class Form>
bool IsLoaded() {
  const QPointer<Form>& instance = Instance<Form>();
  return instance && !instance->IsUnloaded();
}

void Start() {
  QApplication::setQuitOnLastWindowClosed(false);
  Show<frmMain>();
}

void Focus(FormWindow& form) {
  form.raise();
  form.activateWindow();
  for (QWidget* other : QApplication::topLevelWidgets()) {
    QWindow* window = other->windowHandle();
    if (other == &form || !other->isVisible() || !window || window->isExposed()) continue;
    new RefocusWhenExposed(window, &form);
  }
}

void EndProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

template <class... Form>
void UnloadEach() {
  (Unload<Form>(), ...);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UnloadAll() { UnloadEach<frmMain, frmCode, frmSave, frmAbout, frmHelp>(); }

#define VZ_FORM(Form)           \
  template Form& Load<Form>();  \
  template Form& Show<Form>();  \
  template void Unload<Form>(); \
  template bool IsLoaded<Form>();
VZ_FORM(frmMain)
VZ_FORM(frmCode)
VZ_FORM(frmSave)
VZ_FORM(frmAbout)
VZ_FORM(frmHelp)
#undef VZ_FORM

}  // namespace Forms
