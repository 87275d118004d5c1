// Memory for big pixel images: the canvas's pixels, the page layer and any
// bitmap of a similar size.
//
// Each fresh 4 KB page of a buffer costs a fault the first time it is
// touched, and a canvas of 1920 x 1080 is two thousand of them. On a
// virtual machine a fault can take over 10 us, so a new canvas-sized
// buffer cost 20 ms before anything was drawn on it, at start-up and at
// every resize. Such buffers are therefore mapped on their own, aligned to
// the system's huge pages and marked for transparent huge pages, which
// makes them a few faults. Where the system offers no huge pages they are
// an ordinary mapping; small images come from the heap as before.
#ifndef TARNWICK_PLATFORM_GDI_PIXEL_MEMORY_H
#define TARNWICK_PLATFORM_GDI_PIXEL_MEMORY_H

#include <QImage>
#include <QSize>

namespace tarnwick::gdi {

// A new image, contents undefined: mapped as above when it has 32-bit
// pixels and takes a megabyte or more, from the heap otherwise. Null when
// there is no memory for it or the size is empty.
QImage NewPixelImage(const QSize& size, QImage::Format format);

}  // namespace tarnwick::gdi

#endif
