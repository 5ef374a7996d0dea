// SPDX-License-Identifier: MIT
#include "app/StartFailure.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/Platform.h"

namespace {

QtMessageHandler toolkitHandler = nullptr;
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage> heldMessages;

void SayWhyAndExit() {
  std::fprintf(stderr, "%s\n", Platform::StartFailureText().c_str());
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
