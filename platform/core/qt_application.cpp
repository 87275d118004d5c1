#include "core/qt_application.h"

#include <QApplication>

#include "no_display.h"

namespace tarnwick::platform {
namespace {

bool withoutDisplay = false;
QtMessageHandler qtHandler = nullptr;

// A run without a display is a command with its own messages; Qt's notes
// on its set-up (a missing runtime folder, say) are not the user's concern
// there. Its errors still pass.
void KeepQtErrorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler != nullptr) qtHandler(type, context, message);
}

// Qt keeps references to argc and argv for the application's lifetime, so
// they live in static storage. Without a display, Qt's offscreen platform
// stands in for the window system.
QApplication* MakeApplication() {
    static char name[] = "tarnwick";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platformOption, offscreen, nullptr};
    static int argc = withoutDisplay ? 3 : 1;
    if (withoutDisplay) qtHandler = qInstallMessageHandler(KeepQtErrorsOnly);
    return new (std::nothrow) QApplication(argc, argv);
}

}  // namespace

bool EnsureQtApplication() {
    if (QCoreApplication::instance()) return true;
    // The application object lives until the process ends: tearing it down
    // from a static destructor would race the destruction of Qt's own
    // globals.
    static QApplication* application = MakeApplication();
    return application != nullptr;
}

}  // namespace tarnwick::platform

BOOL StartWithoutDisplay() {
    using namespace tarnwick::platform;
    if (QCoreApplication::instance() == nullptr) {
        withoutDisplay = true;
        return TRUE;
    }
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}
