#include "ado/jet/TipoJet.h"

namespace ado::jet {

TTipoJet TipoDeclarado(const QString& sDeclarado) {
  const QString s = sDeclarado.toUpper();
  if (s.startsWith(QLatin1String("CURRENCY"))) return TTipoJet::Moneda;
  if (s.startsWith(QLatin1String("DECIMAL"))) return TTipoJet::Decimal;
  if (s.startsWith(QLatin1String("DATETIME"))) return TTipoJet::Fecha;
  if (s.startsWith(QLatin1String("BOOLEAN"))) return TTipoJet::Booleano;
  if (s.contains(QLatin1String("INT"))) return TTipoJet::Entero;
  if (s.contains(QLatin1String("REAL")) || s.contains(QLatin1String("FLOA")) || s.contains(QLatin1String("DOUB")))
    return TTipoJet::Doble;
  if (s.contains(QLatin1String("CHAR")) || s.contains(QLatin1String("TEXT")) || s.contains(QLatin1String("CLOB")))
    return TTipoJet::Texto;
  return TTipoJet::Valor;
}

}  // namespace ado::jet
