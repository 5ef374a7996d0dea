// SPDX-License-Identifier: MIT
#include "ui/MessageBox.h"

#include <QMessageBox>
#include <utility>

namespace {
MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}
}  // namespace

void ShowMessageBox(const QString& text, const QString& title) {
  if (Hook()) {
    Hook()(text, title);
    return;
  }
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  return std::exchange(Hook(), std::move(hook));
}
