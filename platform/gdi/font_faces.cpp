// Faces asked for by their Windows names, and the installed faces that
// stand in for them.
#include "gdi/font_faces.h"

#include <strings.h>

#include <array>

namespace tarnwick::gdi {
namespace {

// Faces asked for by their Windows names, and the metric-compatible faces
// that stand in for them here.
struct FaceSubstitute {
    const char* asked;
    const char* used;
};
constexpr FaceSubstitute kFaceSubstitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"System", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
};

constexpr std::size_t kSubstituteCount = sizeof(kFaceSubstitutes) / sizeof(kFaceSubstitutes[0]);

// Substitute names made once, so resolving a face shares them.
const QString& SubstituteName(std::size_t index) {
    static const auto names = [] {
        std::array<QString, kSubstituteCount> made;
        for (std::size_t i = 0; i < kSubstituteCount; ++i) made[i] = QString::fromLatin1(kFaceSubstitutes[i].used);
        return made;
    }();
    return names[index];
}

}  // namespace

QString ResolveFace(LPCSTR faceName) {
    if (!faceName || !*faceName) return SubstituteName(0);
    for (std::size_t i = 0; i < kSubstituteCount; ++i) {
        if (strcasecmp(faceName, kFaceSubstitutes[i].asked) == 0) return SubstituteName(i);
    }
    return QString::fromUtf8(faceName);
}

}  // namespace tarnwick::gdi
