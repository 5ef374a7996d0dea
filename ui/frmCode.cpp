// SPDX-License-Identifier: MIT
#include "ui/frmCode.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

#include "ui/Controls.h"
#include "ui/Geometry.h"
#include "ui/Looks.h"
#include "ui/TextBox.h"
#include "ui/Utf8.h"

namespace {

constexpr const char* Caption = "Code";
constexpr TwipSize ClientSize{5190, 5640};
constexpr TwipRect DesignedBox{0, 0, 3690, 4410};
constexpr Accessible CodeSaid{"Code"};
// The box leaves these margins to the window's outer size, frame and caption bar included.
constexpr double BoxWidthMargin = 100;
constexpr double BoxHeightMargin = 300;

// The box breaks lines at LF; a CR LF is one break, and so is a CR or an LF standing alone.
QString DisplayText(std::string_view script) {
  QString text = FromUtf8(script);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace('\r', '\n');
  return text;
}

}  // namespace

frmCode::frmCode() : FormWindow(ToolWindowFlags) {
  setWindowTitle(Caption);
  resize(ToPixels(ClientSize));
  PaintWhiteOnBlack(this);

  txtCode = TextBox(this, DesignedBox, CodeSaid);
  txtCode->setFont(ComicFont());
  PaintWhiteOnBlack(txtCode);
  txtCode->setReadOnly(true);
  txtCode->setEnabled(false);
  txtCode->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtCode->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  txtCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtCode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ShareColours(this);
}

void frmCode::ShowFrom(std::size_t shown) {
  if (shown > text_.size()) {
    txtCode->setPlainText(DisplayText(text_));
    return;
  }
  std::string_view added = std::string_view(text_).substr(shown);
  // A CR LF split between the old text and the new is one line break, already shown.
  if (shown > 0 && text_[shown - 1] == '\r' && added.starts_with('\n')) added.remove_prefix(1);
  QTextCursor end(txtCode->document());
  end.movePosition(QTextCursor::End);
  end.insertText(DisplayText(added));
}

void frmCode::Form_Resize() {
  const QSize outer = frameGeometry().size();
  // A window smaller than the margins leaves no room for the box; it is not given a negative size.
  const double width = std::max(0.0, PixelsToTwips(outer.width()) - BoxWidthMargin);
  const double height = std::max(0.0, PixelsToTwips(outer.height()) - BoxHeightMargin);
  txtCode->resize(TwipsToPixels(width), TwipsToPixels(height));
}

void frmCode::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  Form_Resize();
}

void frmCode::showEvent(QShowEvent* event) {
  FormWindow::showEvent(event);
  Form_Resize();
}
