// Every query of the questionnaire gives the same result, cell by cell, whether the engine
// plans it with its kept tables and indexes or computes each one inline (cache off), on
// seeded back offices full of what tells plans apart: Nulls, letter-case variants, ties,
// deleted lines, dates on the edges of the ranges.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <random>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"
#include "report/ExportadorJSON.h"

#include <sqlite3.h>

namespace {

using namespace BackOffice;

class TAzarPrueba {
 public:
  explicit TAzarPrueba(quint64 nSemilla) : F_motor(nSemilla) {}
  int Hasta(int n) { return int(F_motor() % quint64(n)); }  // 0..n-1, the same on every platform
  bool Probabilidad(int nPorCiento) { return Hasta(100) < nPorCiento; }
  template <typename T, size_t N>
  const T& Uno(const T (&opciones)[N]) { return opciones[Hasta(int(N))]; }

 private:
  std::mt19937_64 F_motor;
};

mdbgen::TValor TextoONulo(const char* s) { return Texto(s); }

// Operation lines over few distinct values, so that lines repeat (summed by the survey),
// counts tie and every range edge is hit.
TFila OperacionAzar(TAzarPrueba& Azar) {
  static const char* const CC_TIPOS[] = {"C", "C", "V", "V", "c", "v", "T", nullptr};
  static const char* const CC_FECHAS[] = {"2011-10-31 23:59:59", "2011-11-01", "2011-11-01 00:00:01",
                                          "2013-12-31 23:59:59", "2014-01-01", "2014-01-01 00:00:01",
                                          "2014-06-15 12:30:00", "2014-12-31", "2014-12-31 00:00:01",
                                          "2015-01-01", "1899-12-30", "1850-06-15 12:00:00"};
  static const double CC_COTIZACIONES[] = {13.5, 17.25, 1.0, 0.0715};
  static const double CC_CANTIDADES[] = {100, 250.5, 0.01, 1000, 2990.1, 3000, 3000.05, 5000.01, 40000};
  static const qint64 CC_IMPORTES[] = {1000000, 1000005, 1, 29900000, 0, -50000};  // ten-thousandths
  mdbgen::TValor nEmp = Azar.Probabilidad(90) ? mdbgen::TValor(qint64(1)) : Azar.Probabilidad(50) ? mdbgen::TValor(qint64(2)) : Nulo();
  mdbgen::TValor fecha = Azar.Probabilidad(97) ? mdbgen::TValor(Fecha(Azar.Uno(CC_FECHAS))) : Nulo();
  mdbgen::TValor nFolio = Azar.Probabilidad(97) ? mdbgen::TValor(qint64(1 + Azar.Hasta(25))) : Nulo();
  mdbgen::TValor nDivisa = Azar.Probabilidad(96) ? mdbgen::TValor(qint64(1 + Azar.Hasta(7))) : Nulo();
  mdbgen::TValor dCot = Azar.Probabilidad(97) ? mdbgen::TValor(Azar.Uno(CC_COTIZACIONES)) : Nulo();
  mdbgen::TValor dCantidad = Azar.Probabilidad(96) ? mdbgen::TValor(Azar.Uno(CC_CANTIDADES)) : Nulo();
  mdbgen::TValor nCliente = Azar.Probabilidad(96) ? mdbgen::TValor(qint64(1 + Azar.Hasta(13))) : Nulo();
  mdbgen::TValor importe = Azar.Probabilidad(96) ? mdbgen::TValor(mdbgen::TMoneda{Azar.Uno(CC_IMPORTES)}) : Nulo();
  return {nEmp,     TextoONulo(Azar.Uno(CC_TIPOS)), nFolio,  fecha, nDivisa, dCot,
          dCantidad, nCliente,                       importe, Azar.Probabilidad(10)};
}

// Clients 1 to 12 (13 has operations and no record) in cities whose keys, names and
// locality keys differ only in letter case, or are missing.
TFila ClienteAzar(TAzarPrueba& Azar, qint64 nCliente) {
  static const char* const CC_CIUDADES[] = {"C1", "c1", "C2", "C3", "C4", "C5", "C9", nullptr};
  static const char* const CC_NOMBRES[] = {"PUBLICO EN GENERAL", "Ana", "ana", "Bruno", nullptr};
  static const char* const CC_APELLIDOS[] = {"Ruiz", "ruiz", nullptr};
  return {qint64(Azar.Probabilidad(90) ? 1 : 2),
          nCliente,
          Azar.Probabilidad(40),
          Texto(Azar.Uno(CC_NOMBRES)),
          Texto(Azar.Uno(CC_APELLIDOS)),
          Texto(Azar.Uno(CC_APELLIDOS)),
          Azar.Probabilidad(40),
          Azar.Probabilidad(95) ? mdbgen::TValor(qint64(1 + Azar.Hasta(4))) : Nulo(),
          Texto(Azar.Uno(CC_CIUDADES))};
}

TDatos BackOfficeAzar(quint64 nSemilla) {
  TAzarPrueba Azar(nSemilla);
  TDatos Datos;
  for (int i = 0; i < 300; ++i) {
    (Azar.Probabilidad(60) ? Datos.tMovtos : Datos.tProces) << OperacionAzar(Azar);
  }
  for (qsizetype i = 0; i < Datos.tMovtos.size(); ++i) {
    if (Azar.Probabilidad(5)) Datos.BorradasMovtos.insert(i);
  }
  for (qsizetype i = 0; i < Datos.tProces.size(); ++i) {
    if (Azar.Probabilidad(5)) Datos.BorradasProces.insert(i);
  }
  for (qint64 nCliente = 1; nCliente <= 12; ++nCliente) {
    Datos.tCliente << ClienteAzar(Azar, nCliente);
  }
  // A financial entity (8113011) and a vulnerable activity (3900001), as the catalogues have them.
  Datos.tSector = {Sector(1, "Comercio", "1111111"), Sector(2, "Casa de Bolsa", "8113011"),
                   Sector(3, "joyería", "3900001"), Sector(4, "Joyería", nullptr)};
  Datos.tCiudad = {Ciudad("C1", "Ciudad Uno", "00101003"), Ciudad("C2", "ciudad uno", "00101003"),
                   Ciudad("C3", "Tres", "01001002"), Ciudad("C4", nullptr, "01001002"),
                   Ciudad("C5", "Cinco", nullptr)};
  Datos.tDivisas = {Divisa(1, "USD", 1), Divisa(2, "usd", 1), Divisa(3, "EUR", 2), Divisa(4, "CAD", 3),
                    Divisa(5, nullptr, 1), Divisa(6, "JPY", 9)};
  Datos.tGrupos = {Grupo(1, "01"), Grupo(2, "03"), Grupo(3, "10")};
  Datos.tRelevan = {Alerta("I", "2014-02-01", true, "SUMA AL MENOS 5000 DOLARES"),
                    Alerta("I", "2011-11-01", false, "suma al menos 5000 dolares"),
                    Alerta("R", "2014-05-01", true, "PUNTUACION")};
  return Datos;
}

// Each cell as its SQLite type and exact value.
QString Resultado(ado::TConexionADO& Conexion, const QString& sConsulta) {
  sqlite3_stmt* p = Conexion.Prepara(sConsulta).pSentencia;
  QString s;
  for (int c = 0; c < sqlite3_column_count(p); ++c) s += QString::fromUtf8(sqlite3_column_name(p, c)) + u'|';
  int nPaso;
  while ((nPaso = sqlite3_step(p)) == SQLITE_ROW) {
    s += u'\n';
    for (int c = 0; c < sqlite3_column_count(p); ++c) {
      switch (sqlite3_column_type(p, c)) {
        case SQLITE_NULL: s += QStringLiteral("Null"); break;
        case SQLITE_INTEGER: s += QStringLiteral("i%1").arg(sqlite3_column_int64(p, c)); break;
        case SQLITE_FLOAT: s += QStringLiteral("r%1").arg(sqlite3_column_double(p, c), 0, 'g', 17); break;
        default: s += u't' + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(p, c)));
      }
      s += u'|';
    }
  }
  const QString sFin = nPaso == SQLITE_DONE ? QStringLiteral("fin") : QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(p)));
  sqlite3_finalize(p);
  return s + u'\n' + sFin;
}

struct TCorrida {
  QStringList Consultas;
  QByteArray Respuestas;  // every template variable as the report prints it
};

TCorrida Contesta(TEntornoEncuesta& Entorno) {
  Entorno.dm.repGeneral.RestauraValoresIniciales();
  TEncuestaPrueba Encuesta(Entorno.Conexion, Entorno.dm.repGeneral, Entorno.Mensajero, 13.29, 1,
                           Entorno.Localidades, Entorno.dm);
  for (int nPreg = 1; nPreg <= CC_NUMPREGS; ++nPreg) Encuesta.ContestaPregunta(nPreg);
  return {Encuesta.Consultas, VariablesComoJSON(Entorno.dm.repGeneral)};
}

class PlanesEquivalentes : public ::testing::TestWithParam<quint64> {};

TEST_P(PlanesEquivalentes, CadaConsultaDaLoMismoConYSinCache) {
  TEntornoEncuesta Entorno;
  Entorno.EstableceLocalidades({"Uno", "Tres", "Sin", "Nada", "Otra"},
                               {"00101003", "01001002", "01991002", "99999999", "02401008"});
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(BackOfficeAzar(GetParam()), sError)) << sError.toStdString();

  const TCorrida ConCache = Contesta(Entorno);
  QStringList ResultadosConCache;
  for (const QString& sConsulta : ConCache.Consultas) ResultadosConCache << Resultado(*Entorno.Conexion, sConsulta);

  Entorno.Conexion->SetCacheActiva(false);
  const TCorrida SinCache = Contesta(Entorno);
  EXPECT_EQ(SinCache.Respuestas.toStdString(), ConCache.Respuestas.toStdString());
  ASSERT_EQ(SinCache.Consultas, ConCache.Consultas);
  ASSERT_GT(ConCache.Consultas.size(), 30);
  for (qsizetype i = 0; i < ConCache.Consultas.size(); ++i) {
    EXPECT_EQ(Resultado(*Entorno.Conexion, ConCache.Consultas[i]).toStdString(), ResultadosConCache[i].toStdString())
        << ConCache.Consultas[i].toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Semillas, PlanesEquivalentes, ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8));

}  // namespace
