#include "db/Conectores.h"

namespace {
constexpr int adModeShareExclusive = 12;
}

TConectAccess::TConectAccess() { F_Conector->SetMode(adModeShareExclusive); }
