#include "effects/erasers.h"

namespace pd {

void BlackHoleScreen() {}
void PaperScreen() {}
void ShadeScreen() {}
void WindshieldScreen() {}
void MorphScreen() {}

}  // namespace pd
