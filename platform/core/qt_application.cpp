#include "core/qt_application.h"

#include <QApplication>

namespace tarnwick::platform {

bool EnsureQtApplication() {
    if (QCoreApplication::instance()) return true;
    // Qt keeps references to argc and argv for the application's lifetime,
    // so they live in static storage. The application object itself lives
    // until the process ends: tearing it down from a static destructor would
    // race the destruction of Qt's own globals.
    static int argc = 1;
    static char name[] = "tarnwick";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new (std::nothrow) QApplication(argc, argv);
    return application != nullptr;
}

}  // namespace tarnwick::platform
