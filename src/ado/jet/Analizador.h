#pragma once

#include "ado/jet/Arbol.h"

namespace ado::jet {

// Parses one Jet SELECT statement (a trailing ';' allowed) into a tree. Statements that
// would write are refused as read-only; anything outside the supported dialect, and a
// grouping Jet would refuse, is refused with its line and column (EErrorADO).
std::unique_ptr<TConsulta> AnalizaJet(const QString& sSql);

}  // namespace ado::jet
