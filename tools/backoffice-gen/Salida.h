#pragma once

#include "mdbgen/EscritorMdb.h"

#include <QDateTime>
#include <QMap>
#include <QString>

#include <vector>

namespace backoffice {

struct TConteo {
  qint64 nFilas = 0;     // rows written, deleted ones included
  qint64 nBorradas = 0;  // of them, left as deleted rows
};
using TResumen = QMap<QString, TConteo>;  // by table name

// Writes tables through the Jet writer and counts what it wrote.
class TSalida {
 public:
  explicit TSalida(mdbgen::TEscritorMdb& Escritor) : F_escritor(Escritor) {}

  void IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas);
  void AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada = false);
  void TerminaTabla();
  const TResumen& Resumen() const { return F_resumen; }

 private:
  mdbgen::TEscritorMdb& F_escritor;
  QString F_sTabla;
  TResumen F_resumen;
};

// Values: a null QString is Null.
mdbgen::TValor Texto(const QString& sTexto);
mdbgen::TValor Entero(qint64 nValor);
mdbgen::TValor Fecha(const QDate& fecha, const QTime& hora = QTime(0, 0));
mdbgen::TValor Pesos(double dPesos);  // Currency rounded to cents

}  // namespace backoffice
