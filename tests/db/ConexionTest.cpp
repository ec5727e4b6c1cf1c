#include <gtest/gtest.h>

#include <QDir>

#include "db/Conexion.h"
#include "db/DialogosGrabados.h"

namespace {

const QString CC_ACCESS = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
const QString CC_ACCESS_FIN = ";Persist Security Info=True;Mode=Share Deny None";

// A location where no database is: every connect attempt fails.
QString RutaInexistente() { return QDir::tempPath() + "/no-existe-encuesta/Tolvex.mdb"; }

std::shared_ptr<ado::TConexionADO> ObjetoConexion(TConexion& Conexion) {
  return std::static_pointer_cast<TConectorADO>(Conexion.GetConector())->DameConector();
}

struct TCasoCadena {
  const char* sNombre;
  TTipoMotorBD Motor;
  QString sUsuario, sPassw, sBDNombre, sUbicacion, sInstancia, sPuerto;
  QString sEsperada;
};

class CadenaConexion : public testing::TestWithParam<TCasoCadena> {};

TEST_P(CadenaConexion, SeConstruyeCaracterPorCaracterAlConectar) {
  TInstalaDialogos Dialogos;
  const TCasoCadena& Caso = GetParam();
  TConexion Conexion(Caso.Motor);
  Conexion.SetUsuario(Caso.sUsuario);
  Conexion.SetPassw(Caso.sPassw);
  Conexion.SetBDNombre(Caso.sBDNombre);
  Conexion.SetUbicacion(Caso.sUbicacion);
  Conexion.SetInstancia(Caso.sInstancia);
  Conexion.SetPuerto(Caso.sPuerto);
  Conexion.SetConecta(true);
  EXPECT_EQ(Conexion.GetStrConexion(), Caso.sEsperada);
  EXPECT_EQ(ObjetoConexion(Conexion)->ConnectionString(), Caso.sEsperada);
  EXPECT_FALSE(Conexion.GetConecta());
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  // Fields keep what was given: nothing is trimmed.
  EXPECT_EQ(Conexion.GetPuerto(), Caso.sPuerto);
  EXPECT_EQ(Conexion.GetPassw(), Caso.sPassw);
}

const QString sRuta = RutaInexistente();

INSTANTIATE_TEST_SUITE_P(
    Casos, CadenaConexion,
    testing::Values(
        TCasoCadena{"AccessSinPassword", tmAccess, "", "", "", sRuta, "", "",
                    CC_ACCESS + sRuta + CC_ACCESS_FIN},
        TCasoCadena{"AccessPasswordDeBlancos", tmAccess, "", "   ", "", sRuta, "", "",
                    CC_ACCESS + sRuta + CC_ACCESS_FIN},
        TCasoCadena{"AccessPasswordSinRecortar", tmAccess, "", " vo du ", "", sRuta, "", "",
                    CC_ACCESS + sRuta + CC_ACCESS_FIN + ";Jet OLEDB:Database Password= vo du "},
        TCasoCadena{"AccessIgnoraUsuarioBDInstanciaPuerto", tmAccess, "sa", "voduzu", "Bd", sRuta,
                    "INST", "1433",
                    CC_ACCESS + sRuta + CC_ACCESS_FIN + ";Jet OLEDB:Database Password=voduzu"},
        TCasoCadena{"SQLServerCompleta", tmSQLServer, "sa", "pw", "Bd", "srv", "INST", "1433",
                    "Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;"
                    "Initial Catalog=Bd;Data Source=srv\\INST,1433"},
        TCasoCadena{"SQLServerSinInstanciaNiPuerto", tmSQLServer, "sa", "pw", "Bd", "srv", "", "",
                    "Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;"
                    "Initial Catalog=Bd;Data Source=srv\\"},
        TCasoCadena{"SQLServerPuertoDeBlancos", tmSQLServer, "", "", "", "srv", "", "  ",
                    "Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;"
                    "Initial Catalog=;Data Source=srv\\,  "},
        TCasoCadena{"SQLServerSoloUbicacion", tmSQLServer, "", "", "", " srv ", "", "",
                    "Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;"
                    "Initial Catalog=;Data Source= srv \\"},
        TCasoCadena{"SQLServerSoloPuerto", tmSQLServer, "", "", "", "", "", "1433",
                    "Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;"
                    "Initial Catalog=;Data Source=\\,1433"}),
    [](const testing::TestParamInfo<TCasoCadena>& Info) { return Info.param.sNombre; });

TEST(Conexion, SinDatosNoHayCadenaNiIntentoNiMensaje) {
  TInstalaDialogos Dialogos;
  TConexion Conexion(tmAccess);
  Conexion.SetUsuario(" \t");
  Conexion.SetPassw("  ");
  Conexion.SetUbicacion("\r\n");
  Conexion.SetPuerto(" ");
  Conexion.SetConecta(true);
  EXPECT_FALSE(Conexion.GetConecta());
  EXPECT_TRUE(Conexion.GetStrConexion().isEmpty());
  EXPECT_TRUE(ObjetoConexion(Conexion)->ConnectionString().isEmpty());
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST(Conexion, CadenaDadaSeUsaTalCualSinConsultarLosDatos) {
  TInstalaDialogos Dialogos;
  TConexion Conexion(tmAccess);
  const QString sCadena = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + RutaInexistente();
  Conexion.SetStrConexion(sCadena);
  Conexion.SetConecta(true);
  EXPECT_EQ(ObjetoConexion(Conexion)->ConnectionString(), sCadena);
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

TEST(Conexion, LaCadenaSeConstruyeSoloMientrasEstaVacia) {
  TInstalaDialogos Dialogos;
  TConexion Conexion(tmAccess);
  Conexion.SetUbicacion(RutaInexistente());
  Conexion.SetPassw("uno");
  Conexion.SetConecta(true);
  const QString sPrimera = Conexion.GetStrConexion();
  Conexion.SetPassw("dos");
  Conexion.SetUbicacion("/otra/ruta.mdb");
  Conexion.SetConecta(true);
  EXPECT_EQ(Conexion.GetStrConexion(), sPrimera);
  EXPECT_EQ(ObjetoConexion(Conexion)->ConnectionString(), sPrimera);
}

TEST(Conexion, CadaIntentoFallidoMuestraUnBD101YDejaDesconectado) {
  TInstalaDialogos Dialogos;
  TConexion Conexion(tmAccess);
  Conexion.SetUbicacion(RutaInexistente());
  for (int nIntento = 1; nIntento <= 2; ++nIntento) {
    Conexion.SetConecta(true);
    EXPECT_FALSE(Conexion.GetConecta());
    EXPECT_FALSE(ObjetoConexion(Conexion)->Connected());
    ASSERT_EQ(Dialogos->Mensajes.size(), nIntento);
    EXPECT_TRUE(Dialogos->Mensajes.last().startsWith("Error #BD-101: Llame a Soporte Técnico. "))
        << Dialogos->Mensajes.last().toStdString();
  }
  Conexion.SetConecta(false);
  EXPECT_EQ(Dialogos->Mensajes.size(), 2);
}

TEST(Conexion, ConectoresSinDialogoDeCredencialesYAccessExclusivo) {
  TConexion Access(tmAccess);
  TConexion SQLServer(tmSQLServer);
  EXPECT_EQ(Access.GetTipoMotorBD(), tmAccess);
  EXPECT_EQ(SQLServer.GetTipoMotorBD(), tmSQLServer);
  EXPECT_FALSE(ObjetoConexion(Access)->LoginPrompt());
  EXPECT_FALSE(ObjetoConexion(SQLServer)->LoginPrompt());
  EXPECT_EQ(ObjetoConexion(Access)->Mode(), 12);
  EXPECT_EQ(ObjetoConexion(SQLServer)->Mode(), ado::TConexionADO().Mode());
}

}  // namespace
