#include "program_window.h"

#include <unistd.h>

#include "application.h"
#include "main_window.h"
#include "resource_ids.h"
#include "resources.h"
#include "test_hooks.h"

namespace {

std::string CurrentFolder() {
    char path[4096];
    return getcwd(path, sizeof(path)) ? std::string(path) : std::string(".");
}

DrawObject* MakeObject(const PageFigure& figure) {
    DrawObject* object = TheApplication().surface->CreateObject();
    if (object == nullptr) return nullptr;
    object->SetAttributes(figure.colour, figure.penStyle, figure.penWidth, figure.fillColour, figure.fillOn,
                          figure.fontHeight);
    for (const POINT& point : figure.points) object->AddPoint(point.x, point.y);
    object->SetKind(static_cast<unsigned>(figure.kind));
    if (!figure.text.empty()) object->SetText(figure.text.c_str());
    return object;
}

}  // namespace

void StoreFigures(const std::vector<PageFigure>& figures) {
    ZISqllite* store = TheApplication().store;
    store->Execute("BEGIN", nullptr, nullptr);
    for (const PageFigure& figure : figures) {
        DrawObject* object = MakeObject(figure);
        if (object == nullptr) continue;
        ObjectFinished(object);
        object->Release();
    }
    store->Execute("COMMIT", nullptr, nullptr);
}

ProgramWindow::ProgramWindow(const std::vector<PageFigure>& figures) : previousFolder_(CurrentFolder()) {
    if (folder_.Path().empty() || chdir(folder_.Path().c_str()) != 0) return;
    HINSTANCE program = GetModuleHandleA(nullptr);
    RegisterProgramResources(program);
    if (TheApplication().Initialize() == 0) return;
    StoreFigures(figures);
    window_ = CreateDialogParamA(program, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    if (window_ == nullptr) return;
    canvas_ = GetDlgItem(window_, IDC_CANVAS);
    keys_ = LoadAcceleratorsA(program, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ShowWindow(window_, SW_SHOW);
    MoveWindow(window_, 0, 0, kCanvasWidth, kCanvasHeight, TRUE);
    ShowChanges();
}

ProgramWindow::~ProgramWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    ShowChanges();
    TheApplication().Shutdown();
    if (chdir(previousFolder_.c_str()) != 0) return;
}

void ProgramWindow::PostAndDispatch(UINT message, int x, int y) {
    PostMessageA(canvas_, message, 0, MAKELPARAM(x, y));
    MSG queued;
    if (GetMessageA(&queued, nullptr, 0, 0) != 1) return;
    if (TranslateAcceleratorA(window_, keys_, &queued) || IsDialogMessageA(window_, &queued)) return;
    TranslateMessage(&queued);
    DispatchMessageA(&queued);
}

void ProgramWindow::ShowChanges() {
    TestProcessEvents();
    TestProcessEvents();
}
