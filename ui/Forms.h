// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <type_traits>
#include <typeindex>
#include <typeinfo>

// A tool window: a narrow caption bar with a close box only.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A window of the program. Loading it builds every control with its start value; unloading it
// destroys them, values and all. Its close box unloads it.
class FormWindow : public QWidget {
 public:
  bool IsUnloaded() const { return unloaded_; }

  // Hides the window at once; the object itself goes when the current event is done, so that a
  // form may unload itself from inside one of its own handlers.
  void Unload();

 protected:
  explicit FormWindow(Qt::WindowFlags flags);

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool unloaded_ = false;
};

// Each form exists at most once, created on first use. The forms fill one registry as they load,
// so the lifecycle keeps no list of them: a new form takes part by deriving from FormWindow.
namespace Forms {

// The registry's place for one kind of form; empty until that form first loads.
QPointer<FormWindow>& Slot(std::type_index form);

// The loaded form; a form that is not loaded is loaded hidden.
template <class Form>
Form& Load() {
  static_assert(std::is_base_of_v<FormWindow, Form>, "a form derives from FormWindow");
  QPointer<FormWindow>& slot = Slot(typeid(Form));
  if (!slot || slot->IsUnloaded()) slot = new Form();
  return static_cast<Form&>(*slot);
}

// Shows a form without owner and not modal, and brings it to the front.
void Show(FormWindow& form);

// Loads the form if needed, shows it and brings it to the front.
template <class Form>
Form& Show() {
  Form& form = Load<Form>();
  Show(form);
  return form;
}

// Unloads the form in a slot of the registry, if one is loaded there, and empties the slot.
void Unload(QPointer<FormWindow>& slot);

template <class Form>
void Unload() {
  Unload(Slot(typeid(Form)));
}

template <class Form>
bool IsLoaded() {
  const QPointer<FormWindow>& slot = Slot(typeid(Form));
  return slot && !slot->IsUnloaded();
}

// Brings a shown form to the front, above any window shown before it that is yet to appear, and
// gives it the input focus: to the control, if one is given, or where the form had it.
void Focus(FormWindow& form, QWidget* control = nullptr);

// Unloads every loaded form and destroys it now: at the program's end, and between test cases.
void UnloadAll();

}  // namespace Forms
