// SPDX-License-Identifier: MIT
#include "ui/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QWindow>
#include <map>

#include "ui/Platform.h"

namespace {

// Brings a shown form to the front; the control, if given, gets the keyboard focus.
void BringToFront(QWidget* form, QWidget* control) {
  Platform::BringToFront(form);
  if (control) control->setFocus(Qt::ActiveWindowFocusReason);
}

// Brings a form to the front again once a window shown after it has appeared on screen: a window
// that is shown and activated before it is mapped takes the focus, and the top, when the mapping
// completes.
class RefocusWhenExposed : public QObject {
 public:
  RefocusWhenExposed(QWindow* appearing, QWidget* form, QWidget* control)
      : QObject(appearing), form_(form), control_(control) {
    appearing->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      if (form_ && form_->isVisible()) BringToFront(form_, control_);
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> form_;
  QPointer<QWidget> control_;
};

// Every kind of form that has loaded, with its instance while it lives.
std::map<std::type_index, QPointer<FormWindow>>& Registry() {
  static std::map<std::type_index, QPointer<FormWindow>> registry;
  return registry;
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
  if (!event->spontaneous()) Platform::KeepOutOfTaskBar(this);
  QWidget::showEvent(event);
}

namespace Forms {

QPointer<FormWindow>& Slot(std::type_index form) { return Registry()[form]; }

void Show(FormWindow& form) {
  form.show();
  Platform::BringToFront(&form);
}

void Focus(FormWindow& form, QWidget* control) {
  bool coming = false;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    QWindow* window = other->windowHandle();
    if (other == &form || !other->isVisible() || !window || window->isExposed()) continue;
    new RefocusWhenExposed(window, &form, control);
    coming = true;
  }
  // Mapped anew now, the form would still go under a window that is yet to appear.
  if (Platform::RaisesAboveComingWindows() || !coming) BringToFront(&form, control);
}

void Unload(QPointer<FormWindow>& slot) {
  if (slot && !slot->IsUnloaded()) slot->Unload();
  slot = nullptr;
}

void UnloadAll() {
  for (auto& entry : Registry()) Unload(entry.second);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace Forms
