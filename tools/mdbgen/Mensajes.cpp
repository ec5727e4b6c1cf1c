#include "mdbgen/Mensajes.h"

namespace mdbgen {

EErrorMdb ErrorEn(const QString& sTabla, qint64 nFila, const QString& sColumna, const QString& sDetalle) {
  QString s = QStringLiteral("Tabla \"%1\"").arg(sTabla);
  if (nFila >= 0) s += QStringLiteral(", fila %1").arg(nFila);
  if (!sColumna.isEmpty()) s += QStringLiteral(", columna \"%1\"").arg(sColumna);
  return EErrorMdb((s + QStringLiteral(": ") + sDetalle).toStdString());
}

}  // namespace mdbgen
