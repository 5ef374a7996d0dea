// SPDX-License-Identifier: MIT
#include "app/StartFailure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* NoDisplayText =
    "Vezuvazov cannot start: there is no display to open its windows on (DISPLAY is not set).";
constexpr const char* DisplayClosedText =
    "Vezuvazov cannot start: the display \"%s\" cannot be opened.";
constexpr const char* PlatformFailedText =
    "Vezuvazov cannot start: the window system plugin \"%s\" cannot be started.";

// The platforms whose failure means the display itself is missing or unreachable.
constexpr const char* DisplayPlatforms[] = {"", "xcb"};

QtMessageHandler toolkitHandler = nullptr;
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage> heldMessages;

bool NamesDisplayPlatform(const QByteArray& platform) {
  for (const char* name : DisplayPlatforms) {
    if (platform == name) return true;
  }
  return false;
}

void SayWhyAndExit() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  if (!NamesDisplayPlatform(platform)) {
    std::fprintf(stderr, PlatformFailedText, platform.constData());
  } else if (display.isEmpty()) {
    std::fputs(NoDisplayText, stderr);
  } else {
    std::fprintf(stderr, DisplayClosedText, display.constData());
  }
  std::fputc('\n', stderr);
  std::fflush(stderr);
  // No clean-up: the half-made application object must not run its destructors.
  std::_Exit(EXIT_FAILURE);
}

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) SayWhyAndExit();
  heldMessages.push_back({type, context.category ? context.category : "", message});
}

}  // namespace

void WatchStart() { toolkitHandler = qInstallMessageHandler(HoldOrExit); }

void StartDone() {
  qInstallMessageHandler(toolkitHandler);
  for (const HeldMessage& held : heldMessages) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
    if (toolkitHandler) toolkitHandler(held.type, context, held.text);
  }
  heldMessages.clear();
}
