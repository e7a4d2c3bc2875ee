#pragma once

#include <QImage>
#include <QRect>

// The pixels of AREA of the X display's root window (all of it for an empty AREA),
// each read in the server's byte order; a null image when the display cannot be read.
// Qt's own grab takes the server's pixels in this program's order, which differ where
// a big-endian program reads a little-endian server (s390x under qemu on amd64).
QImage grabScreen(const QRect &area);
