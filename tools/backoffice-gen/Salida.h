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

// Where the generated tables go.
class TSalida {
 public:
  virtual ~TSalida() = default;
  // False when the table's rows go nowhere: its generator may skip the work.
  virtual bool Escribe(const QString& sTabla) const = 0;
  virtual void IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas) = 0;
  virtual void AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada = false) = 0;
  virtual void TerminaTabla() = 0;
};

// Writes tables through the Jet writer and counts what it wrote.
class TSalidaMdb : public TSalida {
 public:
  explicit TSalidaMdb(mdbgen::TEscritorMdb& Escritor) : F_escritor(Escritor) {}

  bool Escribe(const QString&) const override { return true; }
  void IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas) override;
  void AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada = false) override;
  void TerminaTabla() override;
  const TResumen& Resumen() const { return F_resumen; }

 private:
  mdbgen::TEscritorMdb& F_escritor;
  QString F_sTabla;
  TResumen F_resumen;
};

// One table of one branch into the joined back office, whose table collects the branches
// in order: the first branch starts it, the last one ends it; other tables go nowhere.
class TSalidaTabla : public TSalida {
 public:
  TSalidaTabla(TSalida& Destino, QString sTabla, bool bPrimera, bool bUltima)
      : F_destino(Destino), F_sTabla(std::move(sTabla)), F_bPrimera(bPrimera), F_bUltima(bUltima)
  {
  }

  bool Escribe(const QString& sTabla) const override { return sTabla == F_sTabla; }
  void IniciaTabla(const QString& sTabla, const QList<mdbgen::TColumna>& columnas) override;
  void AgregaFila(const std::vector<mdbgen::TValor>& valores, bool bBorrada = false) override;
  void TerminaTabla() override;

 private:
  TSalida& F_destino;
  QString F_sTabla;
  bool F_bPrimera;
  bool F_bUltima;
  bool F_bActiva = false;  // writing the chosen table
};

// Values: a null QString is Null.
mdbgen::TValor Texto(const QString& sTexto);
mdbgen::TValor Entero(qint64 nValor);
mdbgen::TValor Fecha(const QDate& fecha, const QTime& hora = QTime(0, 0));
mdbgen::TValor Pesos(double dPesos);  // Currency rounded to cents

}  // namespace backoffice
