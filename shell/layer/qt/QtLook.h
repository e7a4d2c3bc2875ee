#pragma once

#include "shell/layer/Look.h"

#include <QColor>
#include <QFont>

// The layer's colours and fonts as the toolkit takes them (used inside shell/ only).
QColor toQColor(const Colour &colour);
// The named family when the machine has it, else DejaVu Sans; bold and size as asked,
// sized in pixels (20 twips a point) so that it looks the same at any screen resolution.
QFont toQFont(const FontSpec &wanted);
