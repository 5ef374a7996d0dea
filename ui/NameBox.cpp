// SPDX-License-Identifier: MIT
#include "ui/NameBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <cctype>
#include <optional>
#include <utility>

#include "script/ConsoleLine.h"
#include "script/ScriptNameRules.h"
#include "ui/TextBox.h"
#include "ui/Utf8.h"

namespace {

// The character a key press delivers to the name box, or nothing for keys that produce none
// (arrows, Home, End, Delete, function keys, and Tab, which moves the focus).
std::optional<int> TypedCharacter(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return std::nullopt;
    default:
      break;
  }
  const QString text = key.text();
  if (text.isEmpty()) return std::nullopt;
  // Several characters at once, or one outside the basic plane: none of them is a name character.
  if (text.size() != 1) return -1;
  const int code = text[0].unicode();
  // With Ctrl held a letter is its control code (Ctrl+V is 22), whatever text the platform sends.
  const auto modifiers = key.modifiers();
  if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && code < 128 &&
      std::isalpha(code)) {
    return std::toupper(code) - '@';
  }
  return code;
}

// The line edit puts its text back and reports the input as rejected whenever this finds a change
// invalid; typed keys never get here with a foreign character.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    seen_ = input;
    return !TooLong() && HoldsOnlyScriptNameCharacters(ToUtf8(input)) ? Acceptable : Invalid;
  }
  // The text last looked at and not yet answered for, and whether it is too long to be a name.
  const QString& Seen() const { return seen_; }
  bool TooLong() const { return seen_.size() > LongestConsoleLine; }
  void Answered() { seen_.clear(); }

 private:
  mutable QString seen_;
};

class ScriptNameBox : public QLineEdit {
 public:
  ScriptNameBox(const char* startText, QWidget* parent, std::function<void(int&)> keyPress)
      : QLineEdit(startText, parent), keyPress_(std::move(keyPress)) {}

 protected:
  void keyPressEvent(QKeyEvent* key) override {
    if (const std::optional<int> typed = TypedCharacter(*key)) {
      int KeyAscii = *typed;
      keyPress_(KeyAscii);
      if (KeyAscii == 0) return;
    }
    QLineEdit::keyPressEvent(key);
  }

 private:
  std::function<void(int&)> keyPress_;
};

}  // namespace

QLineEdit* NameBox(QWidget* parent, const char* startText, TwipRect twips, const Accessible& said,
                   std::function<void(int& KeyAscii)> keyPress, std::function<void()> refused) {
  auto* box = Place(new ScriptNameBox(startText, parent, std::move(keyPress)), twips);
  Describe(box, said);
  PaintWhiteOnBlack(box);
  // Keys reach the box only through the name filter, never through an input method.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  auto* validator = new NameValidator(box);
  box->setValidator(validator);
  // One character more than a console line is as long as a name gets: the box cuts a longer text
  // there before the validator refuses it, and never works through all of a long paste (it keeps
  // an undo step for each character).
  box->setMaxLength(LongestConsoleLine + 1);
  QObject::connect(box, &QLineEdit::inputRejected, box,
                   [box, validator, refused = std::move(refused)] {
                     // A cut text is reported twice: as cut, before the validator has seen it,
                     // and as refused by the validator. Only the second speaks.
                     if (box->text() != validator->Seen()) return;
                     const bool tooLong = validator->TooLong();
                     validator->Answered();
                     if (tooLong) {
                       RefuseLongLine(box);
                     } else {
                       refused();
                     }
                   });
  return box;
}
