// DrawObject: one finished figure with its kind, its own drawing settings,
// its points and (for a text) its text; it draws itself on the surface that
// made it and writes and reads itself as objData text.
#ifndef TARNWICK_INTERFACES_DRAW_OBJECT_H
#define TARNWICK_INTERFACES_DRAW_OBJECT_H

#include "component_interface.h"
#include "windows.h"

// Figure kinds; they are also the objType values kept in the store.
enum DrawObjectKind {
    kKindLine = 1,
    kKindPolygon = 3,
    kKindEllipse = 4,
    kKindRectangle = 6,
    kKindText = 7,
    kKindTemporaryLine = 8,
};

class DrawObject : public ComponentInterface {
public:
    virtual void AddPoint(int x, int y) = 0;                                     // slot 2
    virtual void ResetTag() = 0;                                                 // slot 3
    virtual void Draw() = 0;                                                     // slot 4
    virtual void GetAttributes(COLORREF* colour, int* penStyle, int* penWidth,
                               COLORREF* fillColour, int* fillOn,
                               int* fontHeight) = 0;                             // slot 5
    virtual int GetKind() = 0;                                                   // slot 6
    virtual int Probe(int first, int second) = 0;                                // slot 7
    virtual void SetAttributes(COLORREF colour, int penStyle, int penWidth,
                               COLORREF fillColour, int fillOn,
                               int fontHeight) = 0;                              // slot 8
    virtual void SetKind(unsigned int kind) = 0;                                 // slot 9
    virtual int Encode(char* buffer, int* length) = 0;                           // slot 10
    virtual void Decode(char* text) = 0;                                         // slot 11
    virtual void SetText(const char* text) = 0;                                  // slot 12
};

#endif
