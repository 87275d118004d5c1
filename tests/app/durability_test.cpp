// A figure is in the file once the tool that finished it returns, even when
// the process is killed at that very moment.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app_fixture.h"

namespace {

// Drives a real tool in a child process, tells the parent when the tool's
// last click has returned, then waits to be killed.
void DrawThenWait(int toolIndex, int readyPipe) {
    Application& app = TheApplication();
    if (app.Initialize() == 0) _exit(3);
    app.currentPage = 42;
    auto* tool = static_cast<DrawTool*>(app.toolList->First());
    for (int i = 0; i < toolIndex; ++i) tool = static_cast<DrawTool*>(app.toolList->Next());
    tool->SetText("kill -9 'now'");
    tool->Click(100, -100, 0);
    tool->MouseMove(300, -250);
    tool->Click(300, -250, 0);
    char done = 'd';
    if (write(readyPipe, &done, 1) != 1) _exit(4);
    for (;;) pause();
}

TEST(DurabilityTest, FigureSurvivesSigkillRightAfterItIsFinished) {
    TempFolder folder(true);
    // Line, rectangle, ellipse and text tools: each finishes on its clicks.
    for (int toolIndex = 0; toolIndex < 4; ++toolIndex) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t child = fork();
        if (child == 0) DrawThenWait(toolIndex, ready[1]);
        ASSERT_GT(child, 0);
        char done = 0;
        EXPECT_EQ(read(ready[0], &done, 1), 1);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "tool " << toolIndex;
        close(ready[0]);
        close(ready[1]);
    }
    // Every figure is there, in the order drawn, for the next run.
    Application& app = TheApplication();
    ASSERT_EQ(app.Initialize(), 1);
    app.LoadPage(42);
    std::vector<int> kinds;
    for (auto* object = static_cast<DrawObject*>(app.pageObjects->First()); object != nullptr;
         object = static_cast<DrawObject*>(app.pageObjects->Next())) {
        kinds.push_back(object->GetKind());
    }
    app.Shutdown();
    EXPECT_EQ(kinds, (std::vector<int>{1, 6, 4, 7, 7}));
}

}  // namespace
