#pragma once

#include "ado/jet/Token.h"

namespace ado::jet {

// Raises ado::EErrorADO of the query class; the message ends with the line and column.
[[noreturn]] void LanzaError(const QString& sMensaje, TPosicion pos);
// Raises it without a position (errors of the engine while running).
[[noreturn]] void LanzaError(const QString& sMensaje);

}  // namespace ado::jet
