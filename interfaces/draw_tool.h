// DrawTool: turns canvas mouse input (in page units) into feedback shapes on
// the surface and finished DrawObjects handed to the host's ToolCallback.
#ifndef TARNWICK_INTERFACES_DRAW_TOOL_H
#define TARNWICK_INTERFACES_DRAW_TOOL_H

#include "component_interface.h"
#include "draw_object.h"
#include "zdrawsp.h"

// Called once per finished shape; the object is only lent for the call.
typedef int (*ToolCallback)(DrawObject* object);

class DrawTool : public ComponentInterface {
public:
    virtual const char* GetName() = 0;                               // slot 2
    virtual void Finish() = 0;                                       // slot 3
    virtual void MouseMove(int x, int y) = 0;                        // slot 4
    virtual void Click(int x, int y, int rightButton) = 0;           // slot 5
    virtual void Redraw() = 0;                                       // slot 6
    virtual int Reset() = 0;                                         // slot 7
    virtual int Attach(ZDrawSp* surface, ToolCallback callback) = 0; // slot 8
    virtual void SetText(const char* text) = 0;                      // slot 9
    virtual void SetTemporary(int flag) = 0;                         // slot 10
};

#endif
