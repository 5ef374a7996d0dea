// SPDX-License-Identifier: MIT
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "ui/Platform.h"

namespace {

// Qt's platform plugin for Wayland, by the start of its name ("wayland", "wayland-egl").
constexpr const char* WaylandPlatform = "wayland";
// The platforms whose failure to start means the display itself is missing or unreachable: X11,
// chosen by name or as Qt's default.
constexpr const char* DisplayPlatforms[] = {"", "xcb"};

constexpr const char* NoDisplayText =
    "Vezuvazov cannot start: there is no display to open its windows on (DISPLAY is not set).";
constexpr const char* DisplayClosedText =
    "Vezuvazov cannot start: the display \"%1\" cannot be opened.";

bool OnWayland() { return QGuiApplication::platformName().startsWith(WaylandPlatform); }

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  free(reply);
  return atom;
}

}  // namespace

namespace Platform {

// Whatever runs Qt 6 and its display runs the program.
bool SystemSupported() { return true; }

// Qt's pick for the desktop, which the checks saw, and the desktop's style settings.
void UseCheckedStyle() {}

void BringToFront(QWidget* window) {
  if (!OnWayland()) {
    window->raise();
    window->activateWindow();
    return;
  }
  // A window yet to appear is mapped on top anyway, and the active one is on top already.
  const QWindow* handle = window->windowHandle();
  if (window->isActiveWindow() || !handle || !handle->isExposed()) return;
  window->hide();
  window->show();
}

bool RaisesAboveComingWindows() { return !OnWayland(); }

void KeepOutOfTaskBar(QWidget* window) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;  // another window system: the window flags decide
  xcb_connection_t* connection = x11->connection();
  const std::array<xcb_atom_t, 2> states = {InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            InternAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      InternAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
  xcb_flush(connection);
}

// Font engines here hint the strokes to whole pixels: antialiased captions stay solid.
void KeepCaptionSolid(QPushButton*) {}

std::string StartFailureText() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  if (std::ranges::none_of(DisplayPlatforms, [&](const char* name) { return platform == name; })) {
    return QString(PlatformFailedText).arg(platform).toStdString();
  }
  if (display.isEmpty()) return NoDisplayText;
  return QString(DisplayClosedText).arg(display).toStdString();
}

}  // namespace Platform
