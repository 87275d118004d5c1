// The one place that makes sure a Qt application object exists: fonts,
// painters and later windows need one. The port layer creates it lazily when
// the program has not made its own.
#ifndef TARNWICK_PLATFORM_QT_APPLICATION_H
#define TARNWICK_PLATFORM_QT_APPLICATION_H

namespace tarnwick::platform {

// True when an application object exists (made now or before).
bool EnsureQtApplication();

}  // namespace tarnwick::platform

#endif
