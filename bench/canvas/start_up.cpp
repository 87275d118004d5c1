#include "start_up.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

#include "application.h"
#include "program_window.h"
#include "resources.h"
#include "test_hooks.h"
#include "win_main.h"

namespace {

double startOfMain = 0;
double endOfFirstPaint = 0;

// Ends the program's loop once its canvas has painted the first time.
void QuitAfterFirstCanvasPaint(HWND window, void*) {
    if (endOfFirstPaint != 0 || window != TheApplication().canvasWindow) return;
    endOfFirstPaint = NowMs();
    PostQuitMessage(0);
}

class FirstPaintWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (endOfFirstPaint == 0) endOfFirstPaint = NowMs();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

int Report() {
    std::printf("%.3f %.3f\n", startOfMain, endOfFirstPaint);
    return endOfFirstPaint > 0 ? 0 : 1;
}

std::string ExecutablePath() {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

bool FillStartUpFolder(const std::string& folder, int figures) {
    char previous[4096];
    if (getcwd(previous, sizeof(previous)) == nullptr || chdir(folder.c_str()) != 0) return false;
    bool stored = TheApplication().Initialize() == 1;
    if (stored) StoreFigures(MakePage(figures));
    TheApplication().Shutdown();
    return chdir(previous) == 0 && stored;
}

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

int RunProgramChild() {
    startOfMain = NowMs();
    HMODULE program = GetModuleHandleA(nullptr);
    RegisterProgramResources(program);
    SetPaintObserver(QuitAfterFirstCanvasPaint, nullptr);
    char noCommandLine[] = "";
    WinMain(program, nullptr, noCommandLine, SW_SHOWDEFAULT);
    return Report();
}

int RunBareWidgetChild() {
    startOfMain = NowMs();
    int argc = 1;
    char name[] = "bench_canvas";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    FirstPaintWidget widget;
    widget.showMaximized();  // as the program shows its main window
    QApplication::exec();
    return Report();
}

StartUpTimes TimeStartUp(const char* role, const std::string& folder) {
    StartUpTimes times;
    int output[2];
    if (pipe(output) != 0) return times;
    const double beforeExec = NowMs();
    pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        if (chdir(folder.c_str()) == 0) {
            std::string self = ExecutablePath();
            execl(self.c_str(), self.c_str(), role, static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(output[1]);
    char report[128] = {};
    ssize_t length = read(output[0], report, sizeof(report) - 1);
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    double mainAt = 0, paintedAt = 0;
    if (length > 0 && std::sscanf(report, "%lf %lf", &mainAt, &paintedAt) == 2 && paintedAt > 0) {
        times.toFirstPaintMs = paintedAt - mainAt;
        times.fromExecMs = paintedAt - beforeExec;
        times.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return times;
}
