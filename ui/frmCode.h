// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "ui/Forms.h"

class QPlainTextEdit;

// The code window: shows the script text of the whole session, read-only.
class frmCode : public FormWindow {
 public:
  frmCode();

  // The script text, lines separated by CR LF. It lives here, with the box only showing it: Qt's
  // text boxes break lines with LF alone and would lose every CR between composing and saving.
  const std::string& Text() const { return text_; }

  // Hands the text to `extend`, which must return it with something appended; only the appended
  // part is laid out in the box, so the cost does not grow with the text already shown.
  template <class Extend>
  void ExtendText(Extend&& extend) {
    const std::size_t shown = text_.size();
    text_ = std::forward<Extend>(extend)(std::move(text_));
    ShowFrom(shown);
  }

  void Form_Resize();

  QPlainTextEdit* txtCode;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowFrom(std::size_t shown);

  std::string text_;
};
