// SPDX-License-Identifier: MIT
#include "ui/ComboNames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// What Qt's own combo box interface offers, its drop-down list and edit field as children and the
// press that opens the list, with the name given to the box.
class NamedCombo : public QAccessibleWidget {
 public:
  explicit NamedCombo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Combo()->currentText() : QAccessibleWidget::text(t);
  }

  int childCount() const override { return Combo()->lineEdit() ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    QObject* part = index == 0   ? static_cast<QObject*>(Combo()->view())
                    : index == 1 ? Combo()->lineEdit()
                                 : nullptr;
    return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* part) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i) == part) return i;
    }
    return -1;
  }

  // The edit field holds the focus the box has.
  QAccessibleInterface* focusChild() const override {
    return Combo()->lineEdit() ? child(1) : QAccessibleWidget::focusChild();
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

  void doAction(const QString& action) override {
    if (!actionNames().contains(action)) return;
    if (Combo()->view()->isVisible()) {
      Combo()->hidePopup();
    } else {
      Combo()->showPopup();
    }
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* NamedComboFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox") || !object->isWidgetType()) return nullptr;
  return new NamedCombo(static_cast<QComboBox*>(object));
}

}  // namespace

void HearCombosByName() { QAccessible::installFactory(NamedComboFactory); }
