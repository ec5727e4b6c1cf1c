#include "ado/jet/ErrorJet.h"

#include "ado/ErrorADO.h"

namespace ado::jet {

void LanzaError(const QString& sMensaje, TPosicion pos) {
  throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("%1 (línea %2, columna %3)")
                                         .arg(sMensaje).arg(pos.nLinea).arg(pos.nColumna));
}

void LanzaError(const QString& sMensaje) { throw EErrorADO(CC_ERROR_CONSULTA, sMensaje); }

}  // namespace ado::jet
