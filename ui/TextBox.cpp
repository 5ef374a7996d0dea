// SPDX-License-Identifier: MIT
#include "ui/TextBox.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "ui/MessageBox.h"

namespace {

constexpr const char* LongLineText =
    "A Line Of This Text Is Longer Than The Game Can Use:\r\nIts Console Takes No More Than %1 "
    "Characters On A Line.\r\nNothing Was Added.";
constexpr const char* LongTextText =
    "This Text Is Longer Than The Box Can Hold:\r\nIt Takes No More Than %1 Characters.\r\n"
    "Nothing Was Added.";

// Where the box starts a new line: CR LF, CR, LF and the paragraph separator. (A line separator
// breaks a line only in the drawing; the layout still works through the whole paragraph.)
bool IsBreak(QChar c) { return c == '\n' || c == '\r' || c == QChar::ParagraphSeparator; }

// The longest line `text` leaves, with `before` characters standing in front of its first line and
// `after` behind its last.
qsizetype LongestLine(QStringView text, qsizetype before, qsizetype after) {
  qsizetype longest = 0;
  qsizetype line = before;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsBreak(text[i])) {
      ++line;
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    longest = std::max(longest, line);
    line = 0;
  }
  return std::max(longest, line + after);
}

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
    const QString text = source->text();
    if (TooMuch(text)) {
      ShowMessageBox(QString(LongTextText).arg(MostBoxText), BoxTitle::TextTooLong, this);
    } else if (TooLongALine(text)) {
      RefuseLongLine(this);
    } else {
      insertPlainText(text);
      ensureCursorVisible();
    }
  }

 private:
  // The text replaces the selection, if there is one.
  bool TooMuch(const QString& text) const {
    const QTextCursor at = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (at.selectionEnd() - at.selectionStart());
    return kept + text.size() > MostBoxText;
  }

  bool TooLongALine(const QString& text) const {
    const QTextCursor at = textCursor();
    const QTextBlock first = document()->findBlock(at.selectionStart());
    const QTextBlock last = document()->findBlock(at.selectionEnd());
    const qsizetype before = at.selectionStart() - first.position();
    const qsizetype after = last.position() + last.length() - 1 - at.selectionEnd();
    return LongestLine(text, before, after) > LongestConsoleLine;
  }
};

}  // namespace

QPlainTextEdit* TextBox(QWidget* parent, TwipRect twips, const Accessible& said) {
  auto* box = Place(new GuardedTextBox(parent), twips);
  Describe(box, said);
  return box;
}

void RefuseLongLine(QWidget* box) {
  ShowMessageBox(QString(LongLineText).arg(LongestConsoleLine), BoxTitle::TextTooLong, box);
}
