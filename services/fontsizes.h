// The sizes the clock's font may take, points. The font picker offers no
// other; a stored size outside them is brought back inside when shown.
#pragma once

namespace noctalis {

constexpr int kMinFontPoints = 6;
constexpr int kMaxFontPoints = 144;

} // namespace noctalis
