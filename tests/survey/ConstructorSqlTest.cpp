#include <gtest/gtest.h>

#include "EncuestaPrueba.h"
#include "SqlEsperado.h"

namespace {

// Survey of company 3 over small activity catalogues and no connection: every
// question's query fails, which shows the text it was given.
class ConstructorSql : public ::testing::Test {
 protected:
  void SetUp() override {
    Entorno.dm.vtEntFin =
        TTablaMemoria({"Clave", "Actividad"}, {{"k1", QString()}, {"k2", QString()}, {"k3", QString()}});
    Entorno.dm.vtActVul = TTablaMemoria({"Clave", "Actividad"}, {{"v1", QString()}, {"v2", QString()}});
    Entorno.EstableceLocalidades({"A", "B", "C", "D", "E"}, {"1", "2", "3", "4", "5"});
  }

  TEncuestaPrueba& Encuesta() { return Entorno.Encuesta(3); }

  QStringList ValoresImpresos() const {
    QStringList Valores;
    for (const QString& sNombre : Entorno.dm.repGeneral.NombresVariables()) {
      Valores << sNombre + "=" + Entorno.dm.repGeneral.TextoImpreso(sNombre).value_or("<nada>");
    }
    return Valores;
  }

  TEntornoEncuesta Entorno;
};

TEST_F(ConstructorSql, TodasLasOperacionesConAmbasBanderas) {
  EXPECT_EQ(Encuesta().TodasLasOperacionesCV(false), SqlEsperado::CC_OPS_CV_FALSO);
  EXPECT_EQ(Encuesta().TodasLasOperacionesCV(true), SqlEsperado::CC_OPS_CV_VERDADERO);
}

TEST_F(ConstructorSql, RangoDeFechasConYSinLimiteSuperior) {
  EXPECT_EQ(Encuesta().TodasOpsRangoF("2011/11/01", ""), SqlEsperado::CC_OPS_DESDE_2011);
  EXPECT_TRUE(SqlEsperado::CC_OPS_DESDE_2011.endsWith("tOps.Fecha >= #2011/11/01# "));
  EXPECT_EQ(Encuesta().TodasOpsRangoF("2014/01/01", "2014/12/31"), SqlEsperado::CC_OPS_2014);
  EXPECT_TRUE(SqlEsperado::CC_OPS_2014.endsWith("AND tOps.Fecha <= #2014/12/31#"));
}

TEST_F(ConstructorSql, IndicadoresDeCatalogo) {
  EXPECT_EQ(Encuesta().DameEntidadesFinancieras(),
            "IIF( ( ClaveActividad = 'k1' or ClaveActividad = 'k2' or ClaveActividad = 'k3' ), -1, 0 ) AS EsEF ");
  EXPECT_EQ(Encuesta().DameActividadesVulnerables(),
            "IIF( ( ClaveActividad = 'v1' or ClaveActividad = 'v2' ), -1, 0 ) AS EsAV ");
  // The data module's tables are left as they were: closed.
  EXPECT_FALSE(Entorno.dm.vtEntFin.Active());
  EXPECT_FALSE(Entorno.dm.vtActVul.Active());
}

TEST_F(ConstructorSql, IndicadorSobreElCatalogoReal) {
  TEntornoEncuesta Real;
  const QString sIndicador = Real.Encuesta(3).DameEntidadesFinancieras();
  EXPECT_TRUE(sIndicador.startsWith("IIF( ( ClaveActividad = '8100000' or ClaveActividad = '8113011' or "));
  EXPECT_TRUE(sIndicador.endsWith("' ), -1, 0 ) AS EsEF "));
  EXPECT_EQ(sIndicador.count("ClaveActividad = '"), 42);
  EXPECT_EQ(Real.Encuesta(3).DameActividadesVulnerables().count("ClaveActividad = '"), 79);
}

TEST_F(ConstructorSql, ClientesConYSinActividadesVulnerables) {
  EXPECT_EQ(Encuesta().DameClientes(false), SqlEsperado::CC_CLIENTES_SIN_AV);
  EXPECT_EQ(Encuesta().DameClientes(true), SqlEsperado::CC_CLIENTES_CON_AV);
  EXPECT_FALSE(SqlEsperado::CC_CLIENTES_SIN_AV.contains("EsAV"));
}

TEST_F(ConstructorSql, OperacionesConDatosDeClientes) {
  EXPECT_EQ(Encuesta().OpsConDtClientes("OPS", true), SqlEsperado::CC_OPS_CON_CLIENTES);
}

struct TCasoPregunta {
  const char* sNombre;
  bool (*fnPregunta)(TEncuestaPrueba&);
  const QString* sSqlUltimo;
};

class SqlDePreguntas : public ConstructorSql, public ::testing::WithParamInterface<TCasoPregunta> {};

// Without a connection each question reports one BD-101 per query it ran,
// answers false and writes nothing; its last query text is the expected one.
TEST_P(SqlDePreguntas, TextoDeLaConsultaYFallaSinEscribir) {
  const QStringList Antes = ValoresImpresos();

  EXPECT_FALSE(GetParam().fnPregunta(Encuesta()));
  EXPECT_EQ(Encuesta().UltimoSQL(), *GetParam().sSqlUltimo);
  ASSERT_FALSE(Entorno.Dialogos->Mensajes.isEmpty());
  for (const QString& sMensaje : Entorno.Dialogos->Mensajes) {
    EXPECT_TRUE(sMensaje.startsWith("Error #BD-101: Llame a Soporte Técnico. ")) << sMensaje.toStdString();
  }

  EXPECT_EQ(ValoresImpresos(), Antes);
}

INSTANTIATE_TEST_SUITE_P(
    Preguntas, SqlDePreguntas,
    ::testing::Values(
        TCasoPregunta{"Preg5",
                      [](TEncuestaPrueba& E) {
                        return E.CalculaMaxPreg5("1", "3", "31'050", "InstMon");
                      },
                      &SqlEsperado::CC_SQL_PREG5},
        TCasoPregunta{"Preg7", [](TEncuestaPrueba& E) { return E.Preg7(); }, &SqlEsperado::CC_SQL_PREG7},
        TCasoPregunta{"Preg8", [](TEncuestaPrueba& E) { return E.Preg8(); }, &SqlEsperado::CC_SQL_PREG8},
        TCasoPregunta{"Preg17", [](TEncuestaPrueba& E) { return E.Preg17(); }, &SqlEsperado::CC_SQL_PREG17},
        TCasoPregunta{"Preg18", [](TEncuestaPrueba& E) { return E.Preg18(); }, &SqlEsperado::CC_SQL_PREG18},
        TCasoPregunta{"Preg18_Part2",
                      [](TEncuestaPrueba& E) { return E.Preg18_Part2("2", "O'HIGGINS"); },
                      &SqlEsperado::CC_SQL_PREG18_DIVISAS}),
    [](const ::testing::TestParamInfo<TCasoPregunta>& Info) { return std::string(Info.param.sNombre); });

TEST_F(ConstructorSql, CadaTrimestreFallidoSeReporta) {
  EXPECT_FALSE(Encuesta().Preg7());
  EXPECT_EQ(Entorno.Dialogos->Mensajes.size(), 4);
}

TEST_F(ConstructorSql, PreguntaCincoFallaConCualquierConsultaFallida) {
  EXPECT_FALSE(Encuesta().Preg5());
  EXPECT_EQ(Entorno.Dialogos->Mensajes.size(), 15);
  EXPECT_EQ(Entorno.Celda("5.3.1"), "C (CLAVE: 3)");
}

TEST_F(ConstructorSql, OrdinalesFueraDeRangoNoContestan) {
  const QStringList Antes = ValoresImpresos();
  EXPECT_FALSE(Encuesta().ContestaPregunta(0));
  EXPECT_FALSE(Encuesta().ContestaPregunta(10));
  EXPECT_TRUE(Entorno.Dialogos->Mensajes.isEmpty());
  EXPECT_EQ(ValoresImpresos(), Antes);
}

// The last query run tells which question an ordinal reached.
TEST_F(ConstructorSql, DespachoDeOrdinales) {
  EXPECT_FALSE(Encuesta().ContestaPregunta(1));
  EXPECT_TRUE(Encuesta().UltimoSQL().startsWith("SELECT tAuxOps1.Simbolo AS Simbolo, "));
  EXPECT_TRUE(Encuesta().UltimoSQL().contains("tCiudad.ClaveLocalidad = '5'  "));
  const struct {
    int nOrdinal;
    const QString* sSql;
  } Casos[] = {{2, &SqlEsperado::CC_SQL_PREG7},
               {3, &SqlEsperado::CC_SQL_PREG8},
               {4, &SqlEsperado::CC_SQL_PREG17},
               {5, &SqlEsperado::CC_SQL_PREG18}};
  for (const auto& Caso : Casos) {
    EXPECT_FALSE(Encuesta().ContestaPregunta(Caso.nOrdinal));
    EXPECT_EQ(Encuesta().UltimoSQL(), *Caso.sSql) << Caso.nOrdinal;
  }
}

}  // namespace

namespace {

TEST_F(ConstructorSql, ListaDeLocalidadesCortaTerminaConErrorClaro) {
  Entorno.Localidades.Ciudad->removeLast();
  Entorno.Localidades.Clave->removeLast();
  try {
    Encuesta().Preg5();
    FAIL() << "sin error";
  } catch (const std::out_of_range& Error) {
    EXPECT_EQ(QString::fromUtf8(Error.what()),
              "Índice de lista fuera de límites (4): la lista de localidades de riesgo tiene 4 elementos y se "
              "necesitan 5.");
  }
  EXPECT_EQ(Entorno.Celda("5.4.1"), "D (CLAVE: 4)");
}

}  // namespace
