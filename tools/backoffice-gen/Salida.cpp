#include "Salida.h"

#include <cmath>

namespace backoffice {

void TSalida::IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas)
{
  F_escritor.IniciaTabla(sTabla, columnas);
  F_sTabla = sTabla;
  F_resumen[sTabla];  // an empty table is listed too
}

void TSalida::AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada)
{
  F_escritor.AgregaFila(valores, bBorrada);
  TConteo& conteo = F_resumen[F_sTabla];
  ++conteo.nFilas;
  if (bBorrada)
    ++conteo.nBorradas;
}

void TSalida::TerminaTabla()
{
  F_escritor.TerminaTabla();
}

mdbgen::TValor Texto(const QString& sTexto)
{
  if (sTexto.isNull())
    return std::monostate{};
  return sTexto;
}

mdbgen::TValor Entero(qint64 nValor)
{
  return nValor;
}

mdbgen::TValor Fecha(const QDate& fecha, const QTime& hora)
{
  // UTC: wall-clock values without time-zone lookups (faster, and no DST gaps).
  return QDateTime(fecha, hora, Qt::UTC);
}

mdbgen::TValor Pesos(double dPesos)
{
  return mdbgen::TMoneda{static_cast<qint64>(std::llround(dPesos * 100.0)) * 100};
}

}  // namespace backoffice
