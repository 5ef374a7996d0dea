#include <fontconfig/fontconfig.h>
#include <thread>

#include "app/FontWarmUp.h"

namespace {
std::thread warmUp;
}  // namespace

// FcInit loads the configuration the toolkit's font database then finds ready.
void StartFontWarmUp() {
  warmUp = std::thread([] { FcInit(); });
}

void FinishFontWarmUp() {
  if (warmUp.joinable()) warmUp.join();
}
