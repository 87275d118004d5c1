#include "text_tool.h"

TextTool::TextTool() { text_.Assign(""); }

// Draws nothing: a box on the screen keeps its old size until it is erased.
void TextTool::SetText(const char* text) { text_.Assign(text); }

void TextTool::MouseMove(int x, int y) {
    if (Surface() == nullptr) return;
    if (drawn_ == 1) DrawFeedback();
    x_ = x;
    y_ = y;
    drawn_ = 1;
    DrawFeedback();
}

void TextTool::Click(int x, int y, int rightButton) {
    if (Surface() == nullptr || rightButton != 0) return;
    x_ = x;
    y_ = y;
    placed_ = 1;
    Finish();
}

// The box needs no click first: it shows wherever the pointer was last.
void TextTool::Redraw() {
    if (Surface() == nullptr) return;
    drawn_ = 1;
    DrawFeedback();
}

// Keeps the position and the text.
int TextTool::Reset() {
    drawn_ = 0;
    placed_ = 0;
    return 0;
}

void TextTool::Finish() {
    ZDrawSp* surface = Surface();
    if (surface == nullptr || placed_ < 1) return;
    Reset();
    DrawObject* object = surface->CreateObject();
    if (object == nullptr) return;
    object->AddPoint(x_, y_);
    object->SetText(Text());
    object->SetKind(kKindText);
    HandOver(object);
}

// The buffer exists from construction on unless memory ran out then.
const char* TextTool::Text() const {
    const char* text = text_.GetBuffer();
    return text != nullptr ? text : "";
}

void TextTool::DrawFeedback() { Surface()->DrawStringBox(x_, y_, Text(), kModeInvert); }
