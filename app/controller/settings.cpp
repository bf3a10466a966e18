#include "app/controller/settings.h"

#include "render/geometry/matrix.h"

#include <numbers>

void SetHalfTurn(float m[16]) {
    SetIdentity(m);
    SetRotation(m, 0, 0, std::numbers::pi);
}

sSettings::sSettings() {
    SetHalfTurn(matrix);
}
