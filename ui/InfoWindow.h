#pragma once

#include <QString>

#include "ui/Geometry.h"

class QLabel;
class QWidget;

// What the About and Help windows share: a fixed tool window in the platform's colours, and
// labels that wrap their caption within their size.
void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon);
QLabel* InfoLabel(QWidget* window, const QString& caption, TwipRect twips);
