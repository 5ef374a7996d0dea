// SPDX-License-Identifier: MIT
#include "ui/NameBox.h"

#include <QLineEdit>
#include <QValidator>

#include "script/ScriptNameRules.h"
#include "ui/TextBox.h"
#include "ui/Utf8.h"

namespace {

// The line edit puts its text back and reports the input as rejected whenever this finds a change
// invalid; the player's key presses never get here with a foreign character.
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

}  // namespace

void KeepToNameCharacters(QLineEdit* box, std::function<void()> refused) {
  auto* validator = new NameValidator(box);
  box->setValidator(validator);
  // One character more than a console line is as long as a name gets: the box cuts a longer text
  // there before the validator refuses it, and never works through all of a long paste (it keeps
  // an undo step for each character).
  box->setMaxLength(LongestConsoleLine + 1);
  QObject::connect(box, &QLineEdit::inputRejected, box, [box, validator, refused] {
    // A cut text is reported twice: as cut, before the validator has seen it, and as refused by
    // the validator. Only the second speaks.
    if (box->text() != validator->Seen()) return;
    const bool tooLong = validator->TooLong();
    validator->Answered();
    if (tooLong) {
      RefuseLongLine(box);
    } else {
      refused();
    }
  });
}
