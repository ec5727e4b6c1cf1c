#include <gtest/gtest.h>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"

namespace {

using namespace BackOffice;


// Company 1's operations of 2014 by city. Two cities share name and locality
// key (one key with a quote); one city has no name; yen outweigh dollars in
// their own units; and operations that must not count: cancelled, another
// company, outside 2014 (the last day with a time of day), clients without a
// city row or without a record.
TDatos DatosLocalidades2014() {
  TDatos Datos;
  Datos.tDivisas = {Divisa(1, "USD", 1), Divisa(2, "EUR", 1), Divisa(3, "GBP", 1),
                    Divisa(4, "CAD", 1), Divisa(5, "JPY", 1), Divisa(6, nullptr, 1)};
  Datos.tGrupos = {Grupo(1, "01")};
  Datos.tCiudad = {Ciudad("T1", "Tijuana", "02004"), Ciudad("T'2", "Tijuana", "02004"),
                   Ciudad("M1", "Mérida", "31050"), Ciudad("N1", nullptr, "99999"),
                   Ciudad("Z1", "Zacatecas", "32056")};
  Datos.tSector = {Sector(1, "Particular", "1111111")};
  Datos.tCliente = {Cliente(1, 1, "T1"), Cliente(1, 2, "T'2"), Cliente(1, 3, "M1"),
                    Cliente(1, 4, "N1"), Cliente(1, 5, "XX"), Cliente(1, 6, "Z1")};
  qint64 nFolio = 1;
  auto Agrega = [&](int nVeces, const char* sFecha, qint64 nDivisa, double dCantidad, qint64 nCliente,
                    double dImporte, qint64 nEmp = 1, bool bCancelado = false) {
    for (int i = 0; i < nVeces; ++i) {
      Datos.tMovtos << Operacion(nEmp, "V", nFolio++, sFecha, nDivisa, 10, dCantidad, nCliente, dImporte, bCancelado);
    }
  };
  // Tijuana T1: 1234 operations, 1,234,567.50 pesos; four currencies.
  Agrega(1230, "2014-06-01", 1, 100, 1, 1000);
  Agrega(2, "2014-06-01", 2, 500, 1, 1000);
  Agrega(1, "2014-06-01", 3, 750.5, 1, 1000);
  Agrega(1, "2014-06-01", 4, 20, 1, 1567.5);
  Agrega(50, "2014-06-01", 1, 100, 1, 1000, 1, true);
  Agrega(40, "2014-06-01", 1, 100, 1, 1000, 2);
  // Tijuana T'2: 6 operations, 0.30 pesos, 6 dollars.
  Agrega(6, "2014-03-03", 1, 1, 2, 0.05);
  // Mérida: 1,000,000 yen and 10,000 dollars; 48,000 pesos; the year's first and last day count.
  Agrega(2, "2014-09-09", 5, 500000, 3, 4000);
  Agrega(1, "2014-01-01", 1, 1250, 3, 5000);
  Agrega(1, "2014-12-31", 1, 1250, 3, 5000);
  Agrega(6, "2014-09-09", 1, 1250, 3, 5000);
  // A city without name: 5 operations in a currency without symbol.
  Agrega(5, "2014-02-02", 6, 0.1, 4, 20);
  // Never counted.
  Agrega(100, "2014-05-05", 1, 100, 5, 1000);
  Agrega(100, "2014-05-05", 1, 100, 77, 1000);
  Agrega(3, "2013-12-31 23:59:59", 1, 100, 6, 900000);
  Agrega(3, "2014-12-31 10:00:00", 1, 100, 6, 900000);
  Agrega(3, "2015-01-01", 1, 100, 6, 900000);
  return Datos;
}

class Localidades2014 : public ::testing::Test {
 protected:
  void SetUp() override {
    QString sError;
    ASSERT_TRUE(Entorno.Conecta(DatosLocalidades2014(), sError)) << sError.toStdString();
  }
  TEntornoEncuesta Entorno;
};

TEST_F(Localidades2014, Pregunta17) {
  for (const char* sCelda : {"17.3.1", "17.4.1", "17.5.1", "17.4.2", "17.5.2"}) {
    Entorno.Marca(sCelda);
  }
  EXPECT_TRUE(Entorno.Encuesta().ContestaPregunta(4));
  EXPECT_FALSE(Entorno.Encuesta().ConsultaAbierta());
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty()) << Entorno.Dialogos->Mensajes.join("\n").toStdString();
  RevisaCeldas(Entorno, {{"17.1.1", "TIJUANA (CLAVE: 02004)"},
                         {"17.1.2", "1,240"},
                         {"17.2.1", "MÉRIDA (CLAVE: 31050)"},
                         {"17.2.2", "10"},
                         {"17.3.1", "SIN TOCAR"},
                         {"17.3.2", "5"},
                         {"17.4.1", "SIN TOCAR"},
                         {"17.4.2", ""},
                         {"17.5.1", "SIN TOCAR"},
                         {"17.5.2", ""}});
}

TEST_F(Localidades2014, Pregunta18) {
  for (const char* sCelda : {"18.3.1", "18.5.1", "18.5.2.1", "18.5.3.1", "18.5.2.3", "18.5.3.3"}) {
    Entorno.Marca(sCelda);
  }
  EXPECT_TRUE(Entorno.Encuesta().ContestaPregunta(5));
  EXPECT_FALSE(Entorno.Encuesta().ConsultaAbierta());
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty()) << Entorno.Dialogos->Mensajes.join("\n").toStdString();
  RevisaCeldas(Entorno, {{"18.1.1", "TIJUANA\r\n (CLAVE: 02004)\r\n (MONTO MXN: 1,234,567.50)"},
                         {"18.1.2.1", "123,000.00"},
                         {"18.1.3.1", "USD"},
                         {"18.1.2.2", "1,000.00"},
                         {"18.1.3.2", "EUR"},
                         {"18.1.2.3", "750.50"},
                         {"18.1.3.3", "GBP"},
                         {"18.2.1", "MÉRIDA\r\n (CLAVE: 31050)\r\n (MONTO MXN: 48,000.00)"},
                         {"18.2.2.1", "1,000,000.00"},
                         {"18.2.3.1", "JPY"},
                         {"18.2.2.2", "10,000.00"},
                         {"18.2.3.2", "USD"},
                         {"18.2.2.3", ""},
                         {"18.2.3.3", ""},
                         {"18.3.1", "SIN TOCAR"},
                         {"18.3.2.1", ".50"},
                         {"18.3.3.1", ""},
                         {"18.3.2.2", ""},
                         {"18.3.3.2", ""},
                         {"18.4.1", "TIJUANA\r\n (CLAVE: 02004)\r\n (MONTO MXN: .30)"},
                         {"18.4.2.1", "6.00"},
                         {"18.4.3.1", "USD"},
                         {"18.4.2.2", ""},
                         {"18.4.3.3", ""},
                         {"18.5.1", "SIN TOCAR"},
                         {"18.5.2.1", "SIN TOCAR"},
                         {"18.5.3.1", "SIN TOCAR"},
                         {"18.5.2.3", "SIN TOCAR"},
                         {"18.5.3.3", "SIN TOCAR"}});
}

TEST(Preguntas17y18, SinOperacionesEn2014NoEscribenNada) {
  TDatos Datos = DatosLocalidades2014();
  Datos.tMovtos.erase(std::remove_if(Datos.tMovtos.begin(), Datos.tMovtos.end(),
                                     [](const TFila& Fila) {
                                       return std::get<QDateTime>(Fila.at(3)).date().year() == 2014;
                                     }),
                      Datos.tMovtos.end());
  TEntornoEncuesta Entorno;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(Datos, sError)) << sError.toStdString();
  const char* const Celdas[] = {"17.1.1", "17.1.2", "17.5.2", "18.1.1", "18.1.2.1", "18.1.3.1"};
  for (const char* sCelda : Celdas) {
    Entorno.Marca(sCelda);
  }

  EXPECT_TRUE(Entorno.Encuesta().Preg17());
  EXPECT_TRUE(Entorno.Encuesta().Preg18());
  for (const char* sCelda : Celdas) {
    EXPECT_EQ(Entorno.Celda(sCelda), "SIN TOCAR") << sCelda;
  }
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty());
}

}  // namespace
