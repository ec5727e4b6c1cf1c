#include <gtest/gtest.h>

#include "ado/ErrorADO.h"
#include "db/ColectorConxs.h"
#include "db/DialogosGrabados.h"
#include "db/MdbPrueba.h"
#include "db/TolvexBD.h"

namespace {

// Users: an administrator, a cashier (level 2) and an administrator whose key
// and password carry quotes. tCompUsr has two users connected.
const char* CC_TOLVEX = R"({ "password": "voduzu", "tables": [
  { "name": "tCompUsr", "columns": [ {"name": "Usuario", "type": "Text", "size": 20} ],
    "rows": [ ["CAJERO"], ["ADMIN"] ] },
  { "name": "tEmps", "columns": [ {"name": "ClaveEmp", "type": "Text", "size": 20},
                                  {"name": "Password", "type": "Text", "size": 20},
                                  {"name": "Nivel", "type": "Integer"} ],
    "rows": [ ["ADMIN", "ADMIN", 0], ["CAJERO", "CAJA", 2], ["O'BRIEN", "PA'SS", 0] ] },
  { "name": "tEmpresa", "columns": [ {"name": "NumEmp", "type": "Long"},
                                     {"name": "Empresa", "type": "Text"},
                                     {"name": "RFC", "type": "Text", "size": 13},
                                     {"name": "RegistroCC", "type": "Text", "size": 20} ],
    "rows": [ [3, "Centro Cambiario Águila, S.A.", null, "CC-0042"],
              [4, "Otra", "OTR010101AAA", "CC-0043"] ] } ] })";

// tCompUsr and tEmpresa without rows.
const char* CC_VACIO = R"({ "password": "voduzu", "tables": [
  { "name": "tCompUsr", "columns": [ {"name": "Usuario", "type": "Text"} ],
    "rows": [ ["borrado"] ], "deleted": [0] },
  { "name": "tEmpresa", "columns": [ {"name": "Empresa", "type": "Text"},
                                     {"name": "RFC", "type": "Text"},
                                     {"name": "RegistroCC", "type": "Text"},
                                     {"name": "NumEmp", "type": "Long"} ],
    "rows": [] } ] })";

// None of the gateway's tables, and a company table without RFC.
const char* CC_SIN_TABLAS = R"({ "password": "voduzu", "tables": [
  { "name": "tEmpresa", "columns": [ {"name": "Empresa", "type": "Text"},
                                     {"name": "RegistroCC", "type": "Text"},
                                     {"name": "NumEmp", "type": "Long"} ],
    "rows": [ ["Sin RFC", "CC-1", 1] ] } ] })";

class TolvexBD : public testing::Test {
 protected:
  void SetUp() override {
    ColectorConexiones = std::make_shared<TColectorConxs>();
    for (auto [sArchivo, json] : {std::pair{"Tolvex.mdb", CC_TOLVEX}, std::pair{"vacio.mdb", CC_VACIO},
                                  std::pair{"sin_tablas.mdb", CC_SIN_TABLAS}}) {
      MdbPrueba::Crea(Dir, sArchivo, json);
    }
  }
  void TearDown() override { ColectorConexiones.reset(); }

  // A gateway on the registry's main connection, as the report run builds it.
  std::shared_ptr<TTolvexBD> Pasarela(const QString& sArchivo) {
    ColectorConexiones->EliminaConex("BDPrincipal");
    ColectorConexiones->CreaBDPrinc(Dir.filePath(sArchivo), "", false);
    EXPECT_TRUE(ColectorConexiones->Conecta("BDPrincipal"));
    std::shared_ptr<ado::TConexionADO> Conector;
    EXPECT_TRUE(ColectorConexiones->DameAccessConex("BDPrincipal", Conector));
    return std::make_shared<TTolvexBD>(Conector);
  }

  TInstalaDialogos Dialogos;
  QTemporaryDir Dir;
};

TEST_F(TolvexBD, UsuariosConectados) {
  EXPECT_TRUE(Pasarela("Tolvex.mdb")->UsuariosConectados());
  EXPECT_FALSE(Pasarela("vacio.mdb")->UsuariosConectados());  // the deleted row does not count
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(TolvexBD, SinTablaDeUsuariosConectadosSeRehusaComoSiHubiera) {
  EXPECT_TRUE(Pasarela("sin_tablas.mdb")->UsuariosConectados());
  ASSERT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_TRUE(Dialogos->Mensajes[0].startsWith("Error #BD-101: Llame a Soporte Técnico. "));
}

struct TCasoAcceso {
  const char* sNombre;
  QString sUsuario;
  QString sPassw;
  bool bSoloAdmins;
  bool bEsperado;
};

class ValidaAcceso : public TolvexBD, public testing::WithParamInterface<TCasoAcceso> {};

TEST_P(ValidaAcceso, SoloFilasConClaveYPasswordIgualesALoEscrito) {
  const TCasoAcceso& Caso = GetParam();
  EXPECT_EQ(Pasarela("Tolvex.mdb")->ValidaAcceso(Caso.sUsuario, Caso.sPassw, Caso.bSoloAdmins),
            Caso.bEsperado);
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty()) << Dialogos->Mensajes.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidaAcceso,
    testing::Values(TCasoAcceso{"Administrador", "ADMIN", "ADMIN", true, true},
                    TCasoAcceso{"IgualaSinDistinguirMayusculas", "admin", "Admin", true, true},
                    TCasoAcceso{"NoAdministradorRechazado", "CAJERO", "CAJA", true, false},
                    TCasoAcceso{"NoAdministradorSinExigirNivel", "CAJERO", "CAJA", false, true},
                    TCasoAcceso{"PasswordIncorrecto", "ADMIN", "CAJA", true, false},
                    TCasoAcceso{"UsuarioInexistente", "NADIE", "ADMIN", false, false},
                    TCasoAcceso{"ComillasEnClaveYPassword", "O'BRIEN", "PA'SS", true, true},
                    TCasoAcceso{"InyeccionEnAmbos", "' or '1'='1", "' or '1'='1", true, false},
                    TCasoAcceso{"InyeccionEnPassword", "ADMIN", "' or '1'='1", false, false},
                    TCasoAcceso{"InyeccionCerrandoElNivel", "CAJERO", "CAJA' or 'x'='x", true, false},
                    TCasoAcceso{"ComillaSueltaNoRompeLaConsulta", "'", "'", false, false}),
    [](const testing::TestParamInfo<TCasoAcceso>& Info) { return Info.param.sNombre; });

TEST_F(TolvexBD, ValidaAccesoFallaConBD101SinTabla) {
  EXPECT_FALSE(Pasarela("sin_tablas.mdb")->ValidaAcceso("ADMIN", "ADMIN", true));
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

TEST_F(TolvexBD, GetEmpresaLeeSoloLaPrimeraFilaYUnNuloQuedaVacio) {
  const TEmpresa Empresa = Pasarela("Tolvex.mdb")->GetEmpresa();
  EXPECT_EQ(Empresa.sRazonSocial, "Centro Cambiario Águila, S.A.");
  EXPECT_EQ(Empresa.sRFC, "");
  EXPECT_EQ(Empresa.sRegistroCNBV, "CC-0042");
  EXPECT_EQ(Empresa.sNumEmpresa, "3");
}

TEST_F(TolvexBD, GetEmpresaSinFilasDaElRegistroVacioSinMensaje) {
  const TEmpresa Empresa = Pasarela("vacio.mdb")->GetEmpresa();
  EXPECT_TRUE(Empresa.sRazonSocial.isEmpty() && Empresa.sRFC.isEmpty() &&
              Empresa.sRegistroCNBV.isEmpty() && Empresa.sNumEmpresa.isEmpty());
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(TolvexBD, GetEmpresaSinColumnaLlegaAlLlamador) {
  EXPECT_THROW(Pasarela("sin_tablas.mdb")->GetEmpresa(), ado::EErrorADO);
}

// Leaves the shared query open on a result, as a caller may before the object ends.
class TTolvexConsultaAbierta : public TTolvexBD {
 public:
  using TTolvexBD::TTolvexBD;
  bool DejaConsultaAbierta() {
    return PideConsulta("SELECT * FROM tEmps", *F_qConsultaGen) && F_qConsultaGen->Active();
  }
};

TEST_F(TolvexBD, ConstructorDeRutaRegistraSuConexionYElDestructorLaQuitaPrimero) {
  std::weak_ptr<ado::TConexionADO> Conexion;
  {
    TTolvexConsultaAbierta Tolvex(Dir.filePath("Tolvex.mdb"));
    EXPECT_TRUE(Tolvex.GetConectado());
    EXPECT_TRUE(ColectorConexiones->Conectado("Tolvex"));
    std::shared_ptr<ado::TConexionADO> Conector;
    ASSERT_TRUE(ColectorConexiones->DameAccessConex("Tolvex", Conector));
    Conexion = Conector;
    EXPECT_EQ(Tolvex.GetEmpresa().sNumEmpresa, "3");
    EXPECT_TRUE(Tolvex.DejaConsultaAbierta());
  }
  EXPECT_TRUE(Conexion.expired());
  std::shared_ptr<ado::TConexionADO> Conector;
  EXPECT_FALSE(ColectorConexiones->DameAccessConex("Tolvex", Conector));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(TolvexBD, ConstructorDeRutaSinArchivoQuedaDesconectadoYCadaConsultaFalla) {
  {
    TTolvexBD Tolvex(Dir.filePath("no_existe.mdb"));
    EXPECT_FALSE(Tolvex.GetConectado());
    EXPECT_EQ(Dialogos->Mensajes.size(), 1);  // the failed open
    EXPECT_TRUE(Tolvex.UsuariosConectados());
    EXPECT_EQ(Dialogos->Mensajes.size(), 2);
  }
  // The failed entry stayed registered until the object ended.
  EXPECT_TRUE(ColectorConexiones->NuevaConexion("Tolvex", "x", tmAccess, false));
}

TEST_F(TolvexBD, GetConectadoEsElEstadoDeLaConexionAlConstruir) {
  ColectorConexiones->CreaBDPrinc(Dir.filePath("Tolvex.mdb"), "", false);
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(ColectorConexiones->DameAccessConex("BDPrincipal", Conector));
  TTolvexBD Cerrada(Conector);
  EXPECT_FALSE(Cerrada.GetConectado());
  ASSERT_TRUE(ColectorConexiones->Conecta("BDPrincipal"));
  EXPECT_FALSE(Cerrada.GetConectado());  // not refreshed
  EXPECT_TRUE(TTolvexBD(Conector).GetConectado());
}

}  // namespace
