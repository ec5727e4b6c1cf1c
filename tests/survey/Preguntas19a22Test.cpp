#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"
#include "SqlEsperado.h"
#include "db/MdbPrueba.h"

namespace {

using namespace BackOffice;


// Columns: NumEmp, ClaveCliente, PersonaMoral, Nombre, ApellidoPaterno, ApellidoMaterno,
// Extranjero, ClaveSector, ClaveCiudad.
TFila ClienteDe(qint64 nCliente, bool bMoral, bool bExtranjero, qint64 nSector) {
  return {qint64(1), nCliente, bMoral, QStringLiteral("Cliente %1").arg(nCliente), Nulo(), Nulo(),
          bExtranjero, nSector, Texto("C1")};
}

// Sectors: an ordinary one, a financial entity and a vulnerable activity (keys of the catalogues).
void SectoresYCatalogos(TDatos& Datos) {
  Datos.tSector = {Sector(1, "Comercio", "1111111"), Sector(2, "Casa de Bolsa", "8113011"),
                   Sector(3, "Joyería", "3900001")};
  Datos.tGrupos = {Grupo(1, "01")};
  Datos.tCiudad = {Ciudad("C1", "Ciudad", "00101003")};
}

class TOperaciones {
 public:
  explicit TOperaciones(TDatos& Datos) : F_Datos(Datos) {}
  void Agrega(int nVeces, const char* sTipo, const char* sFecha, qint64 nDivisa, double dCot, double dCantidad,
              qint64 nCliente, qint64 nEmp = 1, bool bCancelado = false) {
    for (int i = 0; i < nVeces; ++i) {
      F_Datos.tMovtos << Operacion(nEmp, sTipo, F_nFolio++, sFecha, nDivisa, dCot, dCantidad, nCliente, 100,
                                   bCancelado);
    }
  }
  void AgregaProces(const char* sTipo, const char* sFecha, qint64 nDivisa, double dCantidad, qint64 nCliente) {
    F_Datos.tProces << Operacion(1, sTipo, F_nFolio++, sFecha, nDivisa, 20, dCantidad, nCliente, 100);
  }

 private:
  TDatos& F_Datos;
  qint64 F_nFolio = 1;
};

// Sales of 2014 in five currencies (one without symbol) to ordinary and
// vulnerable-activity clients; operations of a financial entity and of a
// jeweller; 1234 purchases of a foreign natural person; and what never counts.
TDatos DatosMonedas() {
  TDatos Datos;
  SectoresYCatalogos(Datos);
  Datos.tDivisas = {Divisa(1, "USD", 1), Divisa(2, "EUR", 1), Divisa(3, "CAD", 1), Divisa(4, "GBP", 1),
                    Divisa(6, nullptr, 1)};
  Datos.tCliente = {ClienteDe(10, false, false, 1), ClienteDe(11, true, false, 1), ClienteDe(20, true, true, 2),
                    ClienteDe(30, false, false, 3), ClienteDe(40, false, true, 1), ClienteDe(41, true, true, 1),
                    ClienteDe(50, false, true, 99)};
  TOperaciones Ops(Datos);
  Ops.Agrega(1, "V", "2014-03-01", 1, 20, 1500, 10);
  Ops.AgregaProces("V", "2014-12-31", 1, 2000.5, 11);  // the year's last day counts
  Ops.Agrega(1, "V", "2014-01-01", 2, 20, 1200.25, 10);
  Ops.Agrega(1, "V", "2014-05-05", 4, 20, 10, 30);     // a jeweller's sale counts in 19
  Ops.Agrega(1, "V", "2014-05-05", 6, 20, 2, 10);
  Ops.Agrega(1, "V", "2014-05-06", 6, 20, 3, 11);
  Ops.Agrega(1, "V", "2014-05-05", 3, 20, 0.5, 11);
  // Financial entity: 4 sales of dollars (not in 19), 3 purchases of euros; jeweller: 2 purchases of CAD.
  Ops.Agrega(4, "V", "2014-06-06", 1, 20, 100000, 20);
  Ops.Agrega(3, "C", "2014-06-06", 2, 20, 50, 20);
  Ops.Agrega(2, "C", "2014-06-06", 3, 20, 50, 30);
  // A foreign natural person buys 1234 times; the foreign legal person not at all.
  Ops.Agrega(1234, "C", "2014-07-01", 1, 20, 1, 40);
  // Never counted: a purchase, cancelled, outside 2014, another company, no sector, no client record.
  Ops.Agrega(1, "C", "2014-02-02", 2, 20, 999999, 10);
  Ops.Agrega(1, "V", "2014-02-02", 1, 20, 50000, 10, 1, true);
  Ops.Agrega(1, "V", "2013-12-31 23:59:59", 1, 20, 50000, 10);
  Ops.Agrega(1, "V", "2014-12-31 10:00:00", 1, 20, 50000, 10);
  Ops.Agrega(1, "V", "2015-01-01", 1, 20, 50000, 10);
  Ops.Agrega(1, "V", "2014-02-02", 1, 20, 50000, 10, 2);
  Ops.Agrega(1, "V", "2014-02-02", 1, 20, 50000, 50);
  Ops.Agrega(1, "V", "2014-02-02", 1, 20, 50000, 99);
  return Datos;
}

// Dollar amounts at the bounds of question 21, made by a foreign legal person,
// plus a thousand small dollar operations of a domestic client.
TDatos DatosUmbrales() {
  TDatos Datos;
  SectoresYCatalogos(Datos);
  Datos.tDivisas = {Divisa(1, "USD", 1), Divisa(5, "usd", 1), Divisa(2, "EUR", 1), Divisa(6, nullptr, 1),
                    Divisa(8, "DLS", 1)};
  Datos.tCliente = {ClienteDe(10, false, false, 1), ClienteDe(41, true, true, 1)};
  TOperaciones Ops(Datos);
  for (double dDolares : {3000.0, 3001.0, 3000.5, 0.75, 1000000.0, 5000.0, 5001.0, 5000.5}) {
    Ops.Agrega(1, "V", "2014-04-04", 1, 13, dDolares, 41);
  }
  Ops.Agrega(1, "C", "2014-04-04", 5, 13, 1, 41);          // "usd": dollars, exactly 1
  Ops.Agrega(1, "V", "2014-04-04", 2, 20, 2500, 41);       // 50,000 pesos: 3762.2 dollars
  Ops.Agrega(1, "V", "2014-04-04", 6, 13.29, 100, 41);     // no symbol: converted, 100 dollars
  Ops.Agrega(1, "V", "2014-04-04", 8, 13.29, 3000.5, 41);  // dollars under another symbol: converted to 3000.5
  Ops.Agrega(1, "V", "2014-04-04", 7, 13.29, 2000, 41);    // currency not in tDivisas
  Ops.Agrega(1000, "C", "2014-08-08", 1, 13, 10, 10);
  Ops.Agrega(1, "C", "2014-08-08", 1, 13, 10, 99);         // no client record: counts in 21 only
  return Datos;
}

class Preguntas19a22 : public testing::Test {
 protected:
  // Catalogues cut to a few keys (the sectors' among them) keep the composed queries short.
  void CatalogosCortos() {
    Entorno.dm.vtEntFin = TTablaMemoria({"Clave", "Actividad"}, {{"8100000", ""}, {"8113011", ""}});
    Entorno.dm.vtActVul = TTablaMemoria({"Clave", "Actividad"}, {{"3900001", ""}, {"3900009", ""}});
  }
  void Conecta(const TDatos& Datos) {
    QString sError;
    ASSERT_TRUE(Entorno.Conecta(Datos, sError)) << sError.toStdString();
  }
  void Marca(std::initializer_list<const char*> Celdas) {
    for (const char* sCelda : Celdas) Entorno.Marca(sCelda);
  }
  TEncuestaPrueba& Encuesta() { return Entorno.Encuesta(); }
  std::string Mensajes() const { return Entorno.Dialogos->Mensajes.join("\n").toStdString(); }

  TEntornoEncuesta Entorno;
};

TEST_F(Preguntas19a22, Pregunta19) {
  Conecta(DatosMonedas());
  ASSERT_TRUE(Encuesta().Preg19()) << Mensajes();
  RevisaCeldas(Entorno, {{"19.1.1", "USD"}, {"19.1.2", "2"}, {"19.1.3", "3,500.50"},
                         {"19.2.1", "EUR"}, {"19.2.2", "1"}, {"19.2.3", "1,200.25"},
                         {"19.3.1", "GBP"}, {"19.3.2", "1"}, {"19.3.3", "10.00"},
                         {"19.4.1", ""},    {"19.4.2", "2"}, {"19.4.3", "5.00"},
                         {"19.5.1", "CAD"}, {"19.5.2", "1"}, {"19.5.3", ".50"}});
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty());
}

TEST_F(Preguntas19a22, Pregunta20) {
  CatalogosCortos();
  Conecta(DatosMonedas());
  Marca({"20_NO", "20.5.1", "20.5.4"});
  ASSERT_TRUE(Encuesta().Preg20()) << Mensajes();
  RevisaCeldas(Entorno, {{"20_SI", "X"}, {"20_NO", "SIN TOCAR"},
                         {"20.1.1", "CASA DE BOLSA (TOTAL OPS.: 4)"}, {"20.1.2", "USD"}, {"20.1.3", "VENTA"},
                         {"20.1.4", "*PENDIENTE PROGRAMAR* (TOTAL OPS.:4)"},
                         {"20.2.1", "CASA DE BOLSA (TOTAL OPS.: 3)"}, {"20.2.2", "EUR"}, {"20.2.3", "COMPRA"},
                         {"20.2.4", "*PENDIENTE PROGRAMAR* (TOTAL OPS.:3)"},
                         {"20.3.1", "JOYERÍA (TOTAL OPS.: 2)"}, {"20.3.2", "CAD"}, {"20.3.3", "COMPRA"},
                         {"20.3.4", "*PENDIENTE PROGRAMAR* (TOTAL OPS.:2)"},
                         {"20.4.1", "JOYERÍA (TOTAL OPS.: 1)"}, {"20.4.2", "GBP"}, {"20.4.3", "VENTA"},
                         {"20.4.4", "*PENDIENTE PROGRAMAR* (TOTAL OPS.:1)"},
                         {"20.5.1", "SIN TOCAR"}, {"20.5.2", ""}, {"20.5.3", "0"}, {"20.5.4", "SIN TOCAR"}});
}

TEST_F(Preguntas19a22, Pregunta22PersonasFisicasExtranjeras) {
  Conecta(DatosMonedas());
  ASSERT_TRUE(Encuesta().Preg22()) << Mensajes();
  RevisaCeldas(Entorno, {{"22.1", "1,234"}, {"22.2", "0"}});
}

TEST_F(Preguntas19a22, Pregunta21Umbrales) {
  Conecta(DatosUmbrales());
  ASSERT_TRUE(Encuesta().Preg21()) << Mensajes();
  RevisaCeldas(Entorno, {{"21.1", "1,004"}, {"21.2", "3"}, {"21.3", "2"}});
  EXPECT_TRUE(Encuesta().UltimoSQL().contains("( tOps1.AuxCant * tOps1.Cot ) /13.29) AS Cantidad "));
}

TEST_F(Preguntas19a22, Pregunta22PersonasMoralesExtranjeras) {
  Conecta(DatosUmbrales());
  ASSERT_TRUE(Encuesta().Preg22()) << Mensajes();
  RevisaCeldas(Entorno, {{"22.1", "0"}, {"22.2", "13"}});
}

TEST_F(Preguntas19a22, SinOperacionesDe2014) {
  TDatos Datos;
  SectoresYCatalogos(Datos);
  Datos.tDivisas = {Divisa(1, "USD", 1)};
  Datos.tCliente = {ClienteDe(40, false, true, 1)};
  TOperaciones(Datos).Agrega(3, "V", "2013-06-06", 1, 13, 5000, 40);
  CatalogosCortos();
  Conecta(Datos);
  Marca({"19.1.1", "19.1.2", "19.5.3", "20_SI", "20.1.2", "20.1.3"});
  EXPECT_TRUE(Encuesta().Preg19()) << Mensajes();
  EXPECT_TRUE(Encuesta().Preg20()) << Mensajes();
  EXPECT_TRUE(Encuesta().Preg21()) << Mensajes();
  EXPECT_TRUE(Encuesta().Preg22()) << Mensajes();
  RevisaCeldas(Entorno, {{"19.1.1", "SIN TOCAR"}, {"19.1.2", "SIN TOCAR"}, {"19.5.3", "SIN TOCAR"},
                         {"20_NO", "X"}, {"20_SI", "SIN TOCAR"}, {"20.1.2", "SIN TOCAR"}, {"20.1.3", "SIN TOCAR"},
                         {"21.1", "0"}, {"21.2", "0"}, {"21.3", "0"}, {"22.1", "0"}, {"22.2", "0"}});
}

TEST_F(Preguntas19a22, LugaresTrasLaUltimaFilaQuedanVacios) {
  TDatos Datos;
  SectoresYCatalogos(Datos);
  Datos.tDivisas = {Divisa(1, "USD", 1)};
  Datos.tCliente = {ClienteDe(10, false, false, 1)};
  TOperaciones(Datos).Agrega(1, "V", "2014-06-06", 1, 13, 1500, 10);
  Conecta(Datos);
  ASSERT_TRUE(Encuesta().Preg19()) << Mensajes();
  RevisaCeldas(Entorno, {{"19.1.1", "USD"}, {"19.1.2", "1"}, {"19.1.3", "1,500.00"},
                         {"19.2.1", ""}, {"19.2.2", ""}, {"19.2.3", ""}, {"19.5.1", ""}, {"19.5.3", ""}});
}

// A back office without the tables: each query reports BD-101, nothing is written.
TEST_F(Preguntas19a22, ConsultasFallidasFallanLaPreguntaSinEscribir) {
  QTemporaryDir Dir;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(MdbPrueba::Crea(Dir, "vacio.mdb", R"({ "tables": [
      { "name": "tOtra", "columns": [ {"name": "A", "type": "Long"} ], "rows": [] } ] })"), sError));
  const std::initializer_list<const char*> Celdas = {"19.1.1", "20_SI", "20_NO", "20.1.3", "21.1", "21.2",
                                                     "21.3", "22.1", "22.2"};
  Marca(Celdas);
  EXPECT_FALSE(Encuesta().Preg19());
  EXPECT_FALSE(Encuesta().Preg20());
  EXPECT_FALSE(Encuesta().Preg21());
  EXPECT_FALSE(Encuesta().Preg22());
  EXPECT_EQ(Entorno.Dialogos->Mensajes.size(), 6);  // question 21 runs its three ranges
  for (const char* sCelda : Celdas) EXPECT_EQ(Entorno.Celda(sCelda), "SIN TOCAR") << sCelda;
}

// The query texts, company 3, over small catalogues.
class SqlPreguntas19a22 : public testing::Test {
 protected:
  void SetUp() override {
    Entorno.dm.vtEntFin = TTablaMemoria({"Clave", "Actividad"}, {{"k1", QString()}, {"k2", QString()}, {"k3", QString()}});
    Entorno.dm.vtActVul = TTablaMemoria({"Clave", "Actividad"}, {{"v1", QString()}, {"v2", QString()}});
  }
  static QString OpsConClientes(const QString& sClientes) {
    return "SELECT * FROM (" + SqlEsperado::CC_OPS_2014 + ") AS tXOps, (" + sClientes +
           ") AS tXCte WHERE tXOps.CvCAux = tXCte.AuxCvC ";
  }
  TEntornoEncuesta Entorno;
};

TEST_F(SqlPreguntas19a22, TextosDeLasConsultas) {
  TEncuestaPrueba& Encuesta = Entorno.Encuesta(3);
  Encuesta.Preg19();
  EXPECT_EQ(Encuesta.UltimoSQL(),
            "SELECT tDivisas.Simbolo, SUM(tOps1.AuxCant) as TotalCant, Count(1) as TotalOps FROM (" +
                OpsConClientes(SqlEsperado::CC_CLIENTES_SIN_AV) +
                ") AS tOps1, tDivisas WHERE tOps1.Tipo = 'V' AND tDivisas.NumeroDivisa = tOps1.NDiv AND  "
                "tOps1.EsEF = 0 GROUP BY tDivisas.Simbolo ORDER BY SUM(tOps1.AuxCant) DESC ");
  Encuesta.Preg20();
  EXPECT_EQ(Encuesta.UltimoSQL(),
            "SELECT tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo, Count(1) AS TotalOps, IIF( tOps1.Tipo = 'C', "
            "'Compra', 'Venta') AS TipoOp FROM (" +
                OpsConClientes(SqlEsperado::CC_CLIENTES_CON_AV) +
                ") AS tOps1, tDivisas WHERE tDivisas.NumeroDivisa = tOps1.NDiv AND  ( tOps1.EsEF <> 0 OR "
                "tOps1.EsAV <> 0 ) GROUP BY tOps1.Actividad, tDivisas.Simbolo, tOps1.Tipo ORDER BY Count(1) DESC ");
  const QString sUmbral =
      "SELECT Count(1) as TotalOps FROM ( SELECT tDivisas.Simbolo, IIF( tDivisas.Simbolo = 'USD', tOps1.AuxCant, "
      "( tOps1.AuxCant * tOps1.Cot ) /13.29) AS Cantidad FROM (" +
      SqlEsperado::CC_OPS_2014 +
      ") AS tOps1, tDivisas WHERE tDivisas.NumeroDivisa = tOps1.NDiv ) as tUmbral WHERE tUmbral.Cantidad >= ";
  Encuesta.Preg21Aux("2", "3001", "5000");
  EXPECT_EQ(Encuesta.UltimoSQL(), sUmbral + "3001 AND tUmbral.Cantidad <= 5000");
  Encuesta.Preg21Aux("3", "5001", "");
  EXPECT_EQ(Encuesta.UltimoSQL(), sUmbral + "5001");
  Encuesta.Preg22();
  EXPECT_EQ(Encuesta.UltimoSQL(),
            "SELECT ABS(SUM( tOps1.EsPF <> 0 )) as TotalF, ABS(SUM( tOps1.EsPM <> 0 )) as TotalM FROM (" +
                OpsConClientes(SqlEsperado::CC_CLIENTES_SIN_AV) +
                ") AS tOps1 WHERE tOps1.EsEF = 0 AND tOps1.EsExtrj <> 0 ");
}

struct TCasoTasa {
  double dTCambio;
  const char* sTexto;
};

class TextoTipoCambio : public SqlPreguntas19a22, public testing::WithParamInterface<TCasoTasa> {};

TEST_P(TextoTipoCambio, PuntoYQuinceCifrasSignificativas) {
  TEncuestaPrueba Encuesta(Entorno.Conexion, Entorno.dm.repGeneral, Entorno.Mensajero, GetParam().dTCambio, 3,
                           Entorno.Localidades, Entorno.dm);
  Encuesta.Preg21Aux("1", "1", "3000");
  EXPECT_TRUE(Encuesta.UltimoSQL().contains(QString(" ) /") + GetParam().sTexto + ") AS Cantidad "))
      << Encuesta.UltimoSQL().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoTipoCambio,
                         testing::Values(TCasoTasa{13.29, "13.29"}, TCasoTasa{13.0, "13"},
                                         TCasoTasa{1.0 / 3, "0.333333333333333"},
                                         TCasoTasa{18.123456789012345, "18.1234567890123"}));

// Run by the test below in a child process whose regional settings are German.
TEST_F(Preguntas19a22, DISABLED_ConSeparadoresRegionalesAlemanes) {
  ASSERT_EQ(QLocale::system().decimalPoint(), ",");
  Conecta(DatosMonedas());
  ASSERT_TRUE(Encuesta().Preg19()) << Mensajes();
  RevisaCeldas(Entorno, {{"19.1.3", "3.500,50"}, {"19.5.3", ",50"}});
  ASSERT_TRUE(Encuesta().Preg22()) << Mensajes();
  RevisaCeldas(Entorno, {{"22.1", "1.234"}});
  ASSERT_TRUE(Encuesta().Preg21()) << Mensajes();
  EXPECT_TRUE(Encuesta().UltimoSQL().contains(") /13.29) AS Cantidad "));
}

TEST(Preguntas19a22Regional, SeparadoresDelSistemaYTipoDeCambioConPunto) {
  QProcess Hijo;
  QProcessEnvironment Entorno = QProcessEnvironment::systemEnvironment();
  Entorno.insert("LC_ALL", "de_DE.UTF-8");
  Entorno.insert("QT_QPA_PLATFORM", "offscreen");
  Hijo.setProcessEnvironment(Entorno);
  Hijo.setProcessChannelMode(QProcess::MergedChannels);
  Hijo.start(QCoreApplication::applicationFilePath(),
             {"--gtest_filter=Preguntas19a22.DISABLED_ConSeparadoresRegionalesAlemanes",
              "--gtest_also_run_disabled_tests"});
  ASSERT_TRUE(Hijo.waitForFinished(120000));
  const QString sSalida = QString::fromUtf8(Hijo.readAll());
  EXPECT_EQ(Hijo.exitCode(), 0) << sSalida.toStdString();
  EXPECT_TRUE(sSalida.contains("[  PASSED  ] 1 test.")) << sSalida.toStdString();
}

}  // namespace
