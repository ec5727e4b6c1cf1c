#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

#include <vector>

#include "mdbgen/EscritorMdb.h"

// Back offices written with mdbgen, row by row, so that every answer of the
// survey is known by construction. Columns and types are the back office's.
namespace BackOffice {

using TFila = std::vector<mdbgen::TValor>;

struct TDatos {
  QList<TFila> tMovtos;
  QList<TFila> tProces;
  QList<TFila> tCliente;
  QList<TFila> tSector;
  QList<TFila> tCiudad;
  QList<TFila> tDivisas;
  QList<TFila> tGrupos;
  QList<TFila> tRelevan;
  // Positions of operation lines left as Access leaves deleted rows.
  QSet<qsizetype> BorradasMovtos;
  QSet<qsizetype> BorradasProces;
};

// "2014-03-31" or "2014-03-31 10:30:00".
QDateTime Fecha(const char* sFecha);
// A Null value.
inline mdbgen::TValor Nulo() { return std::monostate(); }
// Text or Null (nullptr).
mdbgen::TValor Texto(const char* sTexto);

// Operation line: NumEmp, Tipo, Folio, Fecha, NumeroDivisa, Cotizacion, Cantidad,
// ClaveCliente, ImporteCaptura (pesos), Cancelado.
TFila Operacion(qint64 nEmp, const char* sTipo, qint64 nFolio, const char* sFecha, qint64 nDivisa, double dCot,
                double dCantidad, qint64 nCliente, double dImporte, bool bCancelado = false);
// Client: NumEmp, ClaveCliente, PersonaMoral, Nombre, ApellidoPaterno, ApellidoMaterno,
// Extranjero, ClaveSector, ClaveCiudad.
TFila Cliente(qint64 nEmp, qint64 nCliente, const char* sCiudad, qint64 nSector = 1);
TFila Sector(qint64 nSector, const char* sSector, const char* sClaveActividad);
TFila Ciudad(const char* sClaveCiudad, const char* sCiudad, const char* sClaveLocalidad);
TFila Divisa(qint64 nDivisa, const char* sSimbolo, qint64 nGrupo);
TFila Grupo(qint64 nGrupo, const char* sInstMonet);
TFila Alerta(const char* sTipo, const char* sFecha, bool bReportada, const char* sObservaciones);

// Writes every table (empty ones too) and returns the file's path.
QString Escribe(const QTemporaryDir& Dir, const QString& sArchivo, const TDatos& Datos);

// Connection string of an unprotected file.
QString CadenaConexion(const QString& sRuta);

}  // namespace BackOffice
