// SPDX-License-Identifier: MIT
#include "ui/NameBox.h"

#include <QLineEdit>
#include <QValidator>

#include "script/ScriptNameRules.h"
#include "ui/Utf8.h"

namespace {

// The line edit puts its text back and reports the input as rejected whenever this finds a change
// invalid; the player's key presses never get here with a foreign character.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return HoldsOnlyScriptNameCharacters(ToUtf8(input)) ? Acceptable : Invalid;
  }
};

}  // namespace

void KeepToNameCharacters(QLineEdit* box, std::function<void()> refused) {
  box->setValidator(new NameValidator(box));
  QObject::connect(box, &QLineEdit::inputRejected, box, std::move(refused));
}
