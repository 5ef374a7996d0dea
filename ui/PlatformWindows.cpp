// SPDX-License-Identifier: MIT
#include <windows.h>

#include <QFont>
#include <QOperatingSystemVersion>
#include <QPushButton>
#include <QString>

#include "ui/Platform.h"

namespace {
// The platform plugin Qt starts unless told otherwise.
constexpr const char* DefaultPlatform = "windows";

// Qt 6.8 would pick its windows11 style on Windows 11. That style draws its check marks and arrows
// in the Segoe Fluent Icons font, which Windows 11 has and Wine, which the windows are checked
// under, has not: there it drew neither, so the windows were never seen whole in it. windowsvista,
// drawn with Windows' own theme parts on 10 and 11 alike, is the style every check saw.
constexpr const char* CheckedStyle = "windowsvista";

constexpr const wchar_t* TooOldTitle = L"Vezuvazov";
constexpr const wchar_t* TooOldText =
    L"Vezuvazov needs " VEZUVAZOV_WINDOWS_NEEDED L". This computer runs an older Windows.";

// The one place the program reads which Windows it runs on: its build number, as Windows tells a
// program whose manifest declares Windows 10.
int WindowsBuild() { return QOperatingSystemVersion::current().microVersion(); }

}  // namespace

namespace Platform {

bool SystemSupported() {
  if (WindowsBuild() >= VEZUVAZOV_WINDOWS_BUILD) return true;
  MessageBoxW(nullptr, TooOldText, TooOldTitle, MB_OK | MB_ICONSTOP);
  return false;
}

// Qt takes a -style argument before this variable, and the variable before its own pick.
void UseCheckedStyle() {
  if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) qputenv("QT_STYLE_OVERRIDE", CheckedStyle);
}

void BringToFront(QWidget* window) {
  window->raise();
  window->activateWindow();
}

bool RaisesAboveComingWindows() { return true; }

// Windows leaves a window out of the task bar (and out of Alt+Tab) when it has the tool-window
// style and not the app-window one. It is set on the native window rather than through Qt::Tool,
// which would also change how Qt treats the window: no quitting when the last one closes, and a
// caption drawn small where the window has one.
void KeepOutOfTaskBar(QWidget* window) {
  const auto handle = reinterpret_cast<HWND>(window->winId());
  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  SetWindowLongPtrW(handle, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~LONG_PTR{WS_EX_APPWINDOW});
}

// Qt's font engine on Windows (GDI) draws the design's Comic font at its 8.25 points with strokes
// thinner than a pixel, as partly covered pixels (seen with its stand-in under Wine): a caption
// comes out mid grey on a button's light face, 4.1:1 for "Exit", though its colour is the
// palette's black. Drawn without antialiasing, as Windows draws small captions, it stays black.
void KeepCaptionSolid(QPushButton* button) {
  QFont solid;  // only the strategy is the button's own: family and size still follow the window
  solid.setStyleStrategy(QFont::NoAntialias);
  button->setFont(solid);
}

std::string StartFailureText() {
  QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty()) platform = DefaultPlatform;
  return QString(PlatformFailedText).arg(platform).toStdString();
}

}  // namespace Platform
