// ZDrawSp.DLL: the drawing surface and the matrix.
#include "create_instance.h"
#include "draw_surface.h"
#include "matrix3d.h"

namespace {

const ComponentEntry kComponents[] = {
    {"ZDrawSp", MakeComponent<DrawSurface>},
    {"ZMatrix3D", MakeComponent<Matrix3D>},
};

}  // namespace

TARNWICK_EXPORT void* CreateInstance(const char* name, unsigned long version, void* outer) {
    return CreateFromTable(kComponents, name, version, outer);
}
