#include <gtest/gtest.h>

#include "BackOfficePrueba.h"
#include "EncuestaPrueba.h"

namespace {

using namespace BackOffice;

void AgregaAlertas(TDatos& Datos, int nVeces, const char* sTipo, const char* sFecha, bool bReportada,
                   const char* sObservaciones = "Revisar") {
  for (int i = 0; i < nVeces; ++i) {
    Datos.tRelevan << Alerta(sTipo, sFecha, bReportada, sObservaciones);
  }
}

// Alerts of 2014 by quarter, with each quarter's bounds: the first and last
// day at midnight count, the last day with a time of day does not.
TDatos DatosPregunta7() {
  TDatos Datos;
  AgregaAlertas(Datos, 1, "I", "2014-01-01", true);
  AgregaAlertas(Datos, 11, "I", "2014-02-15 08:00:00", true);
  AgregaAlertas(Datos, 1221, "I", "2014-02-15 08:00:00", false);
  AgregaAlertas(Datos, 1, "I", "2014-03-31", false);
  AgregaAlertas(Datos, 1, "I", "2014-03-31 10:30:00", true);
  AgregaAlertas(Datos, 7, "E", "2014-02-01", true);
  AgregaAlertas(Datos, 5, "R", "2014-05-05", true);
  AgregaAlertas(Datos, 1, "I", "2014-07-01", false);
  AgregaAlertas(Datos, 3, "I", "2014-08-08 13:00:00", false);
  AgregaAlertas(Datos, 1, "I", "2014-09-30", false);
  AgregaAlertas(Datos, 1, "I", "2014-09-30 23:59:59", true);
  AgregaAlertas(Datos, 1, "I", "2014-10-01", true);
  AgregaAlertas(Datos, 1, "I", "2014-12-31", true);
  AgregaAlertas(Datos, 1, "I", "2014-12-31 10:00:00", true);
  AgregaAlertas(Datos, 4, "I", "2013-12-31", true);
  AgregaAlertas(Datos, 4, "I", "2015-01-01", true);
  return Datos;
}

TEST(Pregunta7, TrimestresYSusLimites) {
  TEntornoEncuesta Entorno;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(DatosPregunta7(), sError)) << sError.toStdString();

  EXPECT_TRUE(Entorno.Encuesta().ContestaPregunta(2));
  EXPECT_FALSE(Entorno.Encuesta().ConsultaAbierta());
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty()) << Entorno.Dialogos->Mensajes.join("\n").toStdString();
  const struct {
    const char* sCelda;
    const char* sTexto;
  } Esperadas[] = {{"7.1.1", "1,234"}, {"7.1.2", "12"}, {"7.2.1", "0"}, {"7.2.2", "0"},
                   {"7.3.1", "5"},     {"7.3.2", "0"},  {"7.4.1", "2"}, {"7.4.2", "2"}};
  for (const auto& Esperada : Esperadas) {
    EXPECT_EQ(Entorno.Celda(Esperada.sCelda), Esperada.sTexto) << Esperada.sCelda;
  }
}

const char* const CC_DESC1 = "ALERTA POR ACUMULAR 5000 DOLARES O MAS EN EL MISMO MES";
const char* const CC_DESC2 = "ALERTA POR ACUMULAR EL EQUIVALENTE A 5000 DOLARES O MAS EN EL MISMO MES";
const char* const CC_DESC3 = "ALERTA POR REBASAR EL PUNTAJE DEL PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE RIESGO";
const char* const CC_DESC4 = "ALERTA POR REBASAR EL PORCENTAJE PERMITIDO EN EL CAMBIO DEL PERFIL TRANSACCIONAL";

// Alerts of kind "I" since 1 November 2011 under each description, counts 6 to
// 1, and alerts that must not count: other kinds, the day before the start.
TDatos DatosPregunta8() {
  TDatos Datos;
  AgregaAlertas(Datos, 5, "I", "2012-01-01", false, "Cliente suma al menos 5000 dolares en efectivo");
  AgregaAlertas(Datos, 1, "I", "2016-03-03", true, "PUNTUACION alta; SUMA AL MENOS 5000 DOLARES");
  AgregaAlertas(Datos, 1, "I", "2011-11-01", false, "SUMA AL MENOS EQUIV A 5000 DOLARES");
  AgregaAlertas(Datos, 4, "I", "2013-01-01", false, "Suma al menos equiv a 5000 dolares en euros");
  AgregaAlertas(Datos, 4, "I", "2013-01-01", false, "Puntuacion 85");
  AgregaAlertas(Datos, 3, "I", "2013-01-01", false, "EL MONTO DE LA OPERACION ES MAYOR al perfil");
  AgregaAlertas(Datos, 2, "I", "2013-01-01", false, "Cliente nervioso");
  AgregaAlertas(Datos, 1, "I", "2013-01-01", false, nullptr);
  AgregaAlertas(Datos, 10, "E", "2013-01-01", false, "SUMA AL MENOS 5000 DOLARES");
  AgregaAlertas(Datos, 10, "I", "2011-10-31 23:59:59", false, "SUMA AL MENOS 5000 DOLARES");
  return Datos;
}

TEST(Pregunta8, OrdenDePatronesYLugaresSinFilas) {
  TEntornoEncuesta Entorno;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(DatosPregunta8(), sError)) << sError.toStdString();
  for (const char* sCelda : {"8.7", "8.8", "8.9", "8.10"}) {
    Entorno.Marca(sCelda);
  }

  EXPECT_TRUE(Entorno.Encuesta().ContestaPregunta(3));
  EXPECT_FALSE(Entorno.Encuesta().ConsultaAbierta());
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty()) << Entorno.Dialogos->Mensajes.join("\n").toStdString();
  const auto Texto = [](const char* sDescripcion, int nTotal) {
    return QString::fromUtf8(sDescripcion) + QStringLiteral(" (TOTAL ALERTAS: %1)").arg(nTotal);
  };
  EXPECT_EQ(Entorno.Celda("8.1"), Texto(CC_DESC1, 6));
  EXPECT_EQ(Entorno.Celda("8.2"), Texto(CC_DESC2, 5));
  EXPECT_EQ(Entorno.Celda("8.3"), Texto(CC_DESC3, 4));
  EXPECT_EQ(Entorno.Celda("8.4"), Texto(CC_DESC4, 3));
  EXPECT_EQ(Entorno.Celda("8.5"), Texto("CLIENTE NERVIOSO", 2));
  EXPECT_EQ(Entorno.Celda("8.6"), Texto("", 1));
  for (const char* sCelda : {"8.7", "8.8", "8.9", "8.10"}) {
    EXPECT_EQ(Entorno.Celda(sCelda), "SIN TOCAR") << sCelda;
  }
}

TEST(Pregunta8, SoloLosDiezMasFrecuentes) {
  TDatos Datos;
  std::vector<QByteArray> Textos;
  for (int nTexto = 1; nTexto <= 12; ++nTexto) {
    Textos.push_back(QStringLiteral("Texto %1").arg(nTexto, 2, 10, QLatin1Char('0')).toUtf8());
    AgregaAlertas(Datos, nTexto * 100 + 5, "I", "2014-04-04", false, Textos.back().constData());
  }
  TEntornoEncuesta Entorno;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(Datos, sError)) << sError.toStdString();

  EXPECT_TRUE(Entorno.Encuesta().Preg8());
  for (int nLugar = 1; nLugar <= 10; ++nLugar) {
    const int nTexto = 13 - nLugar;
    const int nTotal = nTexto * 100 + 5;
    const QString sTotal =
        nTotal < 1000 ? QString::number(nTotal)
                      : QStringLiteral("%1,%2").arg(nTotal / 1000).arg(nTotal % 1000, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(Entorno.Celda(QStringLiteral("8.%1").arg(nLugar)),
              QStringLiteral("TEXTO %1 (TOTAL ALERTAS: %2)").arg(nTexto, 2, 10, QLatin1Char('0')).arg(sTotal))
        << nLugar;
  }
}

TEST(Pregunta8, SinAlertasDesdeElInicio) {
  TDatos Datos;
  AgregaAlertas(Datos, 3, "I", "2011-10-31", false);
  AgregaAlertas(Datos, 3, "E", "2014-10-31", false);
  TEntornoEncuesta Entorno;
  QString sError;
  ASSERT_TRUE(Entorno.Conecta(Datos, sError)) << sError.toStdString();
  Entorno.Marca("8.2");

  EXPECT_TRUE(Entorno.Encuesta().Preg8());
  EXPECT_EQ(Entorno.Celda("8.1"),
            "NO SE GENERÓ NINGUNA ALERTA EN EL SISTEMA AUTOMATIZADO DESDE EL INICIO DE OPERACIONES HASTA LA "
            "PRESENTE FECHA");
  EXPECT_EQ(Entorno.Celda("8.2"), "SIN TOCAR");
}

}  // namespace
