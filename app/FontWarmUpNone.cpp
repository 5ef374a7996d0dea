#include "app/FontWarmUp.h"

void StartFontWarmUp() {}
void FinishFontWarmUp() {}
