// SPDX-License-Identifier: MIT
#include "ui/TextBox.h"

#include <QMimeData>
#include <QPlainTextEdit>

namespace {

// Qt 6.4's own insertion reads the first of the offered formats without looking whether there is
// one, and crashes on a clipboard that no program owns; so the box takes the text itself.
class GuardedTextBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return source && source->hasText();
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (isReadOnly() || !canInsertFromMimeData(source)) return;
    insertPlainText(source->text());
    ensureCursorVisible();
  }
};

}  // namespace

QPlainTextEdit* TextBox(QWidget* parent, TwipRect twips, const Accessible& said) {
  auto* box = Place(new GuardedTextBox(parent), twips);
  Describe(box, said);
  return box;
}
