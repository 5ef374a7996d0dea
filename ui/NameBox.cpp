// SPDX-License-Identifier: MIT
#include "ui/NameBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

#include "script/ScriptNameRules.h"
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
    return HoldsOnlyScriptNameCharacters(ToUtf8(input)) ? Acceptable : Invalid;
  }
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
  box->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
  // Keys reach the box only through the name filter, never through an input method.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->setValidator(new NameValidator(box));
  QObject::connect(box, &QLineEdit::inputRejected, box, std::move(refused));
  return box;
}
