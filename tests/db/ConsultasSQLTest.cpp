#include <gtest/gtest.h>

#include "db/ColectorConxs.h"
#include "db/ConsultasSQL.h"
#include "db/DialogosGrabados.h"
#include "db/MdbPrueba.h"

namespace {

// Exposes the shared query object.
class TConsultas : public TConsultasSQL {
 public:
  using TConsultasSQL::TConsultasSQL;
  ado::TConsultaADO& Consulta() { return *F_qConsultaGen; }
};

const QString CC_PREFIJO_BD101 = "Error #BD-101: Llame a Soporte Técnico. ";

TEST(ConsultasSQL, SinConexionCadaConsultaFallaConUnBD101) {
  TInstalaDialogos Dialogos;
  TConsultas Consultas(nullptr);
  EXPECT_FALSE(Consultas.PideConsulta("SELECT 1", Consultas.Consulta()));
  EXPECT_FALSE(Consultas.Consulta().Active());
  ASSERT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_TRUE(Dialogos->Mensajes[0].startsWith(CC_PREFIJO_BD101));
}

struct TCasoLimpia {
  const char* sCondicion;
  const char* sSQL;
};

class LimpiaTabla : public testing::TestWithParam<TCasoLimpia> {};

TEST_P(LimpiaTabla, ConstruyeElDeleteYDescartaElResultado) {
  TInstalaDialogos Dialogos;
  TConsultas Consultas(nullptr);
  Consultas.LimpiaTabla("tMovtos", GetParam().sCondicion);
  EXPECT_EQ(Consultas.Consulta().SQL(), GetParam().sSQL);
  EXPECT_FALSE(Consultas.Consulta().Active());
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Casos, LimpiaTabla,
                         testing::Values(TCasoLimpia{"", "DELETE * FROM tMovtos"},
                                         TCasoLimpia{"Folio = 3", "DELETE * FROM tMovtos WHERE Folio = 3"}));

class ConsultasSQLArchivo : public testing::Test {
 protected:
  void SetUp() override {
    const QString sRuta = MdbPrueba::Crea(Dir, "consultas.mdb", R"({ "password": "voduzu",
      "tables": [ { "name": "tDivisas",
                    "columns": [ {"name": "NumeroDivisa", "type": "Long"},
                                 {"name": "Simbolo", "type": "Text", "size": 5} ],
                    "rows": [ [1, "USD"], [2, "EUR"] ] } ] })");
    Colector.CreaBDPrinc(sRuta, "", true);
    ASSERT_TRUE(Colector.DameAccessConex("BDPrincipal", Conector));
    ASSERT_TRUE(Conector->Connected()) << Dialogos->Mensajes.join("\n").toStdString();
  }

  TInstalaDialogos Dialogos;
  QTemporaryDir Dir;
  TColectorConxs Colector;
  std::shared_ptr<ado::TConexionADO> Conector;
};

TEST_F(ConsultasSQLArchivo, ConsultaCorrectaQuedaAbiertaEnLaPrimeraFila) {
  TConsultas Consultas(Conector);
  ado::TConsultaADO& q = Consultas.Consulta();
  ASSERT_TRUE(Consultas.PideConsulta("SELECT Simbolo FROM tDivisas ORDER BY NumeroDivisa", q));
  EXPECT_TRUE(q.Active());
  EXPECT_EQ(q.RecordCount(), 2);
  EXPECT_EQ(q.FieldByName("simbolo").toString(), "USD");
  // The next query closes the previous one first.
  ASSERT_TRUE(Consultas.PideConsulta("SELECT * FROM tDivisas WHERE NumeroDivisa = 9", q));
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

struct TCasoFalla {
  const char* sNombre;
  const char* sSQL;
  bool bEjecuta;
};

class ConsultaFallida : public ConsultasSQLArchivo, public testing::WithParamInterface<TCasoFalla> {};

TEST_P(ConsultaFallida, UnSoloBD101ResultadoFalsoYConsultaCerrada) {
  TConsultas Consultas(Conector);
  ado::TConsultaADO& q = Consultas.Consulta();
  ASSERT_TRUE(Consultas.PideConsulta("SELECT * FROM tDivisas", q));
  const bool bResultado = GetParam().bEjecuta ? Consultas.EjecutaConsulta(GetParam().sSQL, q)
                                              : Consultas.PideConsulta(GetParam().sSQL, q);
  EXPECT_FALSE(bResultado);
  EXPECT_FALSE(q.Active());
  ASSERT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_TRUE(Dialogos->Mensajes[0].startsWith(CC_PREFIJO_BD101)) << Dialogos->Mensajes[0].toStdString();
  EXPECT_TRUE(Dialogos->Mensajes[0].contains(" - ")) << Dialogos->Mensajes[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConsultaFallida,
    testing::Values(TCasoFalla{"TablaInexistente", "SELECT * FROM tNoExiste", false},
                    TCasoFalla{"CampoInexistente", "SELECT NoExiste FROM tDivisas", false},
                    TCasoFalla{"Sintaxis", "SELECT FROM WHERE", false},
                    TCasoFalla{"TextoVacio", "", false},
                    TCasoFalla{"EscrituraRehusada", "DELETE * FROM tDivisas", true}),
    [](const testing::TestParamInfo<TCasoFalla>& Info) { return Info.param.sNombre; });

TEST_F(ConsultasSQLArchivo, ConexionCerradaFallaConBD101) {
  TConsultas Consultas(Conector);
  Colector.Desconecta("BDPrincipal");
  EXPECT_FALSE(Consultas.PideConsulta("SELECT * FROM tDivisas", Consultas.Consulta()));
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

}  // namespace
