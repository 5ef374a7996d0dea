#include "ui/InfoWindow.h"

#include <QIcon>
#include <QLabel>

#include "ui/Look.h"

void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon) {
  window->setWindowTitle(caption);
  window->setWindowIcon(QIcon(icon));
  window->setFixedSize(ToPixels(clientSize));
  window->setFont(DialogFont());
}

QLabel* InfoLabel(QWidget* window, const QString& caption, TwipRect twips) {
  auto* label = new QLabel(caption, window);
  label->setGeometry(ToPixels(twips));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}
