// The text tool: a box the size of the text follows the pointer, and every
// left click places one text object there. The text is kept, so each click
// places another copy.
#ifndef TARNWICK_DRAWTOOLS_TEXT_TOOL_H
#define TARNWICK_DRAWTOOLS_TEXT_TOOL_H

#include "text_string.h"
#include "tool_base.h"

class TextTool final : public ToolBase<TextTool> {
public:
    TextTool();

    const char* GetName() override { return "Text Tool"; }
    void Finish() override;
    void MouseMove(int x, int y) override;
    void Click(int x, int y, int rightButton) override;
    void Redraw() override;
    int Reset() override;
    void SetText(const char* text) override;

private:
    friend class ComponentObject<TextTool, DrawTool>;
    ~TextTool() = default;

    const char* Text() const;
    void DrawFeedback();

    // Left end of the baseline; follows the pointer.
    int x_ = 0, y_ = 0;
    int placed_ = 0;
    int drawn_ = 0;
    TextString text_;
};

#endif
