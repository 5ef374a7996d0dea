// SPDX-License-Identifier: MIT
#include "ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <utility>

#include "ui/Platform.h"

namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

// The control with the keyboard focus, or the active window where no control has it.
QWidget* FocusNow() {
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return QApplication::activeWindow();
}

// Without this the window manager decides where the focus goes when a box closes, and may keep it
// for itself: a keyboard user would have to reach for the mouse.
void GiveFocusBack(QWidget* to) {
  QWidget* window = to->window();
  Platform::BringToFront(window);
  // A window given back gets the control it had the focus on.
  if (to != window) to->setFocus(Qt::ActiveWindowFocusReason);
}

// A message box that stands centred over its owner, inner area over inner area. Qt centres a
// dialog by guessing frames, and guesses one for the main window, which has none: its boxes stood
// 50 pixels too high.
class OwnedBox : public QMessageBox {
 public:
  OwnedBox(const QString& title, const QString& text, QWidget* owner)
      : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner) {}

 protected:
  // The box has its final size only once its own show event has laid it out.
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    QWidget* owner = parentWidget();
    if (!owner) return;
    // A window is moved by its frame, whose size is known only where the platform tells it early.
    const QPoint frame = geometry().topLeft() - frameGeometry().topLeft();
    move(owner->geometry().center() - rect().center() - frame);
  }
};

}  // namespace

void ShowMessageBox(const QString& text, const QString& title, QWidget* returnTo) {
  if (Hook()) {
    Hook()(text, title);
    return;
  }
  const QPointer<QWidget> back = returnTo ? returnTo : FocusNow();
  const bool shown = back && back->isVisible();
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // Owned, the box is kept over its window by the window manager and centred over it by Qt.
  OwnedBox box(title, lines, shown ? back->window() : nullptr);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  if (back && back->isVisible()) GiveFocusBack(back);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  return std::exchange(Hook(), std::move(hook));
}
