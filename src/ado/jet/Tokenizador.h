#pragma once

#include "ado/jet/Token.h"

#include <vector>

namespace ado::jet {

// Splits Jet SQL into tokens; the last one is always Fin. Throws EErrorADO with the position
// of an unterminated literal or an unknown character.
std::vector<TToken> Tokeniza(const QString& sSql);

}  // namespace ado::jet
