// A recording stand-in for the drawing surface and its objects: every
// drawing call is written down as text ("DrawLine(10,-20,30,-40,2)"), and
// every object it makes records its points, kind and text and counts its
// references, so tests can check the exact feedback sequence and ownership.
#ifndef TARNWICK_TESTS_DRAWTOOLS_RECORDING_SURFACE_H
#define TARNWICK_TESTS_DRAWTOOLS_RECORDING_SURFACE_H

#include <string>
#include <vector>

#include "draw_object.h"
#include "zdrawsp.h"

struct RecordedFigure {
    int kind = 0;
    std::vector<int> points;  // x0, y0, x1, y1, ...
    std::string text;
    bool hasText = false;
};

class RecordingObject final : public DrawObject {
public:
    explicit RecordingObject(int* liveObjects) : liveObjects_(liveObjects) { ++*liveObjects_; }

    void AddRef() override { ++references; }
    void Release() override {
        if (--references == 0) {
            --*liveObjects_;
            delete this;
        }
    }
    void AddPoint(int x, int y) override {
        figure.points.push_back(x);
        figure.points.push_back(y);
    }
    void ResetTag() override {}
    void Draw() override {}
    void GetAttributes(COLORREF*, int*, int*, COLORREF*, int*, int*) override {}
    int GetKind() override { return figure.kind; }
    int Probe(int, int) override { return 0; }
    void SetAttributes(COLORREF, int, int, COLORREF, int, int) override {}
    void SetKind(unsigned int kind) override { figure.kind = static_cast<int>(kind); }
    int Encode(char*, int*) override { return 0; }
    void Decode(char*) override {}
    void SetText(const char* text) override {
        figure.text = text != nullptr ? text : "(null)";
        figure.hasText = true;
    }

    int references = 1;
    RecordedFigure figure;

private:
    int* liveObjects_;
};

class RecordingSurface : public ZDrawSp {
public:
    void AddRef() override { ++references; }
    void Release() override { --references; }

    HDC SetDC(HDC dc) override { return dc; }
    void DrawEllipse(int cx, int cy, int rx, int ry, int mode) override {
        Note("DrawEllipse", {cx, cy, rx, ry, mode});
    }
    void DrawLine(int x1, int y1, int x2, int y2, int mode) override {
        Note("DrawLine", {x1, y1, x2, y2, mode});
    }
    void DrawRegularPolygon(int cx, int cy, int x0, int y0, int n, int mode) override {
        Note("DrawRegularPolygon", {cx, cy, x0, y0, n, mode});
    }
    void DrawPolygon(const int* xs, const int* ys, int count, int mode) override {
        std::vector<int> values;
        for (int i = 0; i < count; ++i) {
            values.push_back(xs[i]);
            values.push_back(ys[i]);
        }
        values.push_back(mode);
        Note("DrawPolygon", values);
    }
    void DrawRectangle(int x1, int y1, int x2, int y2, int mode) override {
        Note("DrawRectangle", {x1, y1, x2, y2, mode});
    }
    void SetAttributes(COLORREF, int, int, COLORREF, int, int) override {}
    void DrawString(int x, int y, const char* text, int mode) override {
        calls.push_back("DrawString(" + std::to_string(x) + "," + std::to_string(y) + "," + text + "," +
                        std::to_string(mode) + ")");
    }
    DrawObject* CreateObject() override {
        if (refuseObjects) return nullptr;
        return new RecordingObject(&liveObjects);
    }
    ZMatrix3D* CreateMatrix() override { return nullptr; }
    void DrawStringBox(int x, int y, const char* text, int mode) override {
        calls.push_back("DrawStringBox(" + std::to_string(x) + "," + std::to_string(y) + "," + text +
                        "," + std::to_string(mode) + ")");
    }

    // The calls so far, joined with spaces; clears the record.
    std::string TakeCalls() {
        std::string joined;
        for (const std::string& call : calls) joined += (joined.empty() ? "" : " ") + call;
        calls.clear();
        return joined;
    }

    int references = 0;
    int liveObjects = 0;
    bool refuseObjects = false;
    std::vector<std::string> calls;

private:
    void Note(const char* name, const std::vector<int>& values) {
        std::string call = std::string(name) + "(";
        for (std::size_t i = 0; i < values.size(); ++i) {
            call += (i == 0 ? "" : ",") + std::to_string(values[i]);
        }
        calls.push_back(call + ")");
    }
};

#endif
