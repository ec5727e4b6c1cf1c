#include "Salida.h"

#include <cmath>

namespace backoffice {

void TSalidaMdb::IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas)
{
  F_escritor.IniciaTabla(sTabla, columnas);
  F_sTabla = sTabla;
  F_resumen[sTabla];  // an empty table is listed too
}

void TSalidaMdb::AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada)
{
  F_escritor.AgregaFila(valores, bBorrada);
  TConteo& conteo = F_resumen[F_sTabla];
  ++conteo.nFilas;
  if (bBorrada)
    ++conteo.nBorradas;
}

void TSalidaMdb::TerminaTabla()
{
  F_escritor.TerminaTabla();
}

void TSalidaTabla::IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas)
{
  F_bActiva = Escribe(sTabla);
  if (F_bActiva && F_bPrimera)
    F_destino.IniciaTabla(sTabla, columnas);
}

void TSalidaTabla::AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada)
{
  if (F_bActiva)
    F_destino.AgregaFila(valores, bBorrada);
}

void TSalidaTabla::TerminaTabla()
{
  if (F_bActiva && F_bUltima)
    F_destino.TerminaTabla();
  F_bActiva = false;
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
