#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"

namespace {

using namespace BackOffice;

// Company 1's operations since 1 November 2011 by locality, with everything
// that must not count beside them: earlier dates, cancelled lines, another
// company, currencies without a group, clients without a city row or record.
TDatos DatosPregunta5() {
  TDatos Datos;
  Datos.tDivisas = {Divisa(1, "USD", 1), Divisa(2, "EUR", 3), Divisa(3, nullptr, 2), Divisa(4, "JPY", 99),
                    Divisa(5, "GBP", 4)};
  Datos.tGrupos = {Grupo(1, "01"), Grupo(2, "02"), Grupo(3, "03"), Grupo(4, "04")};
  Datos.tCiudad = {Ciudad("C1", "Mérida", "31050"), Ciudad("C2", "Tijuana", "02004"),
                   Ciudad("C3", "Cuauhtémoc", "09001"), Ciudad("C4", "Zapopan", "14039"),
                   Ciudad("C5", "O'Higgins", "19'039")};
  Datos.tSector = {Sector(1, "Particular", "1111111")};
  Datos.tCliente = {Cliente(1, 1, "C1"), Cliente(1, 2, "C2"), Cliente(1, 3, "C3"), Cliente(1, 4, "C4"),
                    Cliente(1, 5, "C5"), Cliente(1, 9, "C9")};
  qint64 nFolio = 1;
  auto Agrega = [&](QList<TFila>& Tabla, int nVeces, qint64 nEmp, const char* sTipo, const char* sFecha,
                    qint64 nDivisa, qint64 nCliente, bool bCancelado = false) {
    for (int i = 0; i < nVeces; ++i) {
      Tabla << Operacion(nEmp, sTipo, nFolio++, sFecha, nDivisa, 13.5, 100, nCliente, 1350, bCancelado);
    }
  };
  // Mérida: 120 buys (the first on the first day) and 80 sells (40 in tProces, some in 2016).
  Agrega(Datos.tMovtos, 1, 1, "C", "2011-11-01", 1, 1);
  Agrega(Datos.tMovtos, 119, 1, "C", "2013-06-15 12:30:00", 1, 1);
  Agrega(Datos.tMovtos, 40, 1, "V", "2016-05-05", 1, 1);
  Agrega(Datos.tProces, 40, 1, "V", "2012-02-29", 1, 1);
  Agrega(Datos.tMovtos, 300, 1, "V", "2011-10-31 23:59:59", 1, 1);
  Agrega(Datos.tMovtos, 50, 1, "V", "2013-01-01", 1, 1, true);
  Agrega(Datos.tProces, 50, 1, "V", "2013-01-01", 1, 1, true);
  Agrega(Datos.tMovtos, 400, 2, "V", "2013-01-01", 1, 1);
  Agrega(Datos.tMovtos, 200, 1, "V", "2013-01-01", 4, 1);
  Agrega(Datos.tMovtos, 30, 1, "X", "2013-01-01", 1, 1);
  // Tijuana: 1500 buys in euros (transfers), 10 sells in pounds.
  Agrega(Datos.tMovtos, 1500, 1, "C", "2015-03-03", 2, 2);
  Agrega(Datos.tProces, 10, 1, "V", "2015-03-03", 5, 2);
  // Cuauhtémoc: only operations before the first day.
  Agrega(Datos.tMovtos, 20, 1, "C", "2010-01-01", 1, 3);
  // Zapopan: 3 sells in a currency without symbol (instrument 02), 2 buys in pounds.
  Agrega(Datos.tMovtos, 3, 1, "V", "2012-12-12", 3, 4);
  Agrega(Datos.tMovtos, 2, 1, "C", "2012-12-12", 5, 4);
  // O'Higgins: 4 sells in pounds, one of them made of two identical lines; 1 buy.
  Agrega(Datos.tMovtos, 3, 1, "V", "2014-07-07", 5, 5);
  Datos.tMovtos << Operacion(1, "V", 90000, "2014-07-07", 5, 20, 50, 5, 1000)
                << Operacion(1, "V", 90000, "2014-07-07", 5, 20, 50, 5, 1000);
  Agrega(Datos.tMovtos, 1, 1, "C", "2014-07-07", 1, 5);
  // Clients whose city has no row, or who have no record.
  Agrega(Datos.tMovtos, 900, 1, "C", "2013-01-01", 1, 9);
  Agrega(Datos.tMovtos, 900, 1, "C", "2013-01-01", 1, 77);
  return Datos;
}

class Pregunta5 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dir = new QTemporaryDir();
    sRuta = Escribe(*Dir, "pregunta5.mdb", DatosPregunta5());
  }
  static void TearDownTestSuite() {
    delete Dir;
    Dir = nullptr;
  }

  void SetUp() override {
    QString sError;
    ASSERT_TRUE(Entorno.Conecta(sRuta, sError)) << sError.toStdString();
    Entorno.EstableceLocalidades({"Mérida", "Tijuana", "Cuauhtémoc", "Zapopan", "O'Higgins"},
                                 {"31050", "02004", "09001", "14039", "19'039"});
  }

  static inline QTemporaryDir* Dir = nullptr;
  static inline QString sRuta;
  TEntornoEncuesta Entorno;
};

TEST_F(Pregunta5, LasVeinteCeldas) {
  EXPECT_TRUE(Entorno.Encuesta().ContestaPregunta(1));
  EXPECT_FALSE(Entorno.Encuesta().ConsultaAbierta());
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty()) << Entorno.Dialogos->Mensajes.join("\n").toStdString();

  const struct {
    const char* sCelda;
    const char* sTexto;
  } Esperadas[] = {
      {"5.1.1", "MÉRIDA (CLAVE: 31050)"},
      {"5.1.2", "COMPRA (TOTAL OPS.: 120)"},
      {"5.1.3", "EFECTIVO (TOTAL OPS.: 200)"},
      {"5.1.4", "USD (TOTAL OPS.: 200)"},
      {"5.2.1", "TIJUANA (CLAVE: 02004)"},
      {"5.2.2", "COMPRA (TOTAL OPS.: 1,500)"},
      {"5.2.3", "TRANSFERENCIAS (TOTAL OPS.: 1,500)"},
      {"5.2.4", "EUR (TOTAL OPS.: 1,500)"},
      {"5.3.1", "CUAUHTÉMOC (CLAVE: 09001)"},
      {"5.3.2", "NO EXISTEN OPERACIONES"},
      {"5.3.3", "NO EXISTEN OPERACIONES"},
      {"5.3.4", "NO EXISTEN OPERACIONES"},
      {"5.4.1", "ZAPOPAN (CLAVE: 14039)"},
      {"5.4.2", "VENTA (TOTAL OPS.: 3)"},
      {"5.4.3", "02 (TOTAL OPS.: 3)"},
      {"5.4.4", " (TOTAL OPS.: 3)"},
      {"5.5.1", "O'HIGGINS (CLAVE: 19'039)"},
      {"5.5.2", "VENTA (TOTAL OPS.: 4)"},
      {"5.5.3", "CHEQUES DE VIAJERO (TOTAL OPS.: 4)"},
      {"5.5.4", "GBP (TOTAL OPS.: 4)"},
  };
  for (const auto& Esperada : Esperadas) {
    EXPECT_EQ(Entorno.Celda(Esperada.sCelda), QString::fromUtf8(Esperada.sTexto)) << Esperada.sCelda;
  }
}

TEST_F(Pregunta5, ProcesaMensajesTrasCadaConsulta) {
  int nEventos = 0;
  // A posted call runs only when the survey lets the event loop turn.
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&nEventos] { ++nEventos; }, Qt::QueuedConnection);
  EXPECT_TRUE(Entorno.Encuesta().CalculaMaxPreg5("1", "2", "31050", "TipoOp"));
  EXPECT_EQ(nEventos, 1);
}

struct TNombreMostrado {
  const char* sCalculo;
  const char* sDato;
  const char* sMostrado;
};

class NombresPregunta5 : public ::testing::TestWithParam<TNombreMostrado> {};

TEST_P(NombresPregunta5, DaFormato) {
  QString sDato = QString::fromUtf8(GetParam().sDato);
  TRepEncGAFI2016::DaFormatoPreg5(sDato, QString::fromUtf8(GetParam().sCalculo));
  EXPECT_EQ(sDato, QString::fromUtf8(GetParam().sMostrado));
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NombresPregunta5,
    ::testing::Values(TNombreMostrado{"TipoOp", "C", "COMPRA"}, TNombreMostrado{"TipoOp", "V", "VENTA"},
                      TNombreMostrado{"TipoOp", "c", "c"}, TNombreMostrado{"InstMon", "01", "EFECTIVO"},
                      TNombreMostrado{"InstMon", "02", "02"}, TNombreMostrado{"InstMon", "03", "TRANSFERENCIAS"},
                      TNombreMostrado{"InstMon", "04", "CHEQUES DE VIAJERO"},
                      TNombreMostrado{"InstMon", "05", "ORO O PLATINO AMONEDADOS"},
                      TNombreMostrado{"InstMon", "06", "PLATA AMONEDADA"}, TNombreMostrado{"InstMon", "07", "07"},
                      TNombreMostrado{"InstMon", "08", "DERECHOS"}, TNombreMostrado{"InstMon", "09", "09"},
                      TNombreMostrado{"InstMon", "10", "CHEQUES"}, TNombreMostrado{"InstMon", "11", "BIENES"},
                      TNombreMostrado{"InstMon", "12", "CHEQUE DE CAJA"}, TNombreMostrado{"InstMon", "", ""},
                      TNombreMostrado{"InstMon", "C", "C"}, TNombreMostrado{"Simbolo", "01", "01"},
                      TNombreMostrado{"Simbolo", "C", "C"}));

}  // namespace
