#include <gtest/gtest.h>

#include <QDir>

#include "db/ColectorConxs.h"
#include "db/Conexion.h"
#include "db/DialogosGrabados.h"
#include "db/MdbPrueba.h"

namespace {

QString RutaInexistente(const QString& sArchivo = "Tolvex.mdb") {
  return QDir::tempPath() + "/no-existe-encuesta/" + sArchivo;
}

class ColectorConxs : public testing::Test {
 protected:
  TInstalaDialogos Dialogos;
  TColectorConxs Colector;
};

TEST_F(ColectorConxs, NombresNoRegistradosNoFallanNiMuestranNada) {
  std::shared_ptr<ado::TConexionADO> Conector;
  EXPECT_FALSE(Colector.Conecta("Nada"));
  EXPECT_FALSE(Colector.Conectado("Nada"));
  Colector.Desconecta("Nada");
  Colector.EliminaConex("Nada");
  EXPECT_FALSE(Colector.DameAccessConex("Nada", Conector));
  EXPECT_FALSE(Colector.DameSQLConex("Nada", Conector));
  EXPECT_EQ(Conector, nullptr);
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(ColectorConxs, NombreRepetidoSeRechazaDespuesDelIntentoDeConexion) {
  ASSERT_TRUE(Colector.NuevaConexion("BD", "", "", "", RutaInexistente("a.mdb"), "", "", tmAccess, false));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
  // The new descriptor still tries to connect, and reports it, before it is refused.
  EXPECT_FALSE(Colector.NuevaConexion("BD", "", "", "", RutaInexistente("b.mdb"), "", "", tmAccess, true));
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_FALSE(Colector.NuevaConexion("BD", "cadena", tmAccess, false));
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(Colector.DameAccessConex("BD", Conector));
  EXPECT_TRUE(Conector->ConnectionString().isEmpty());  // the first entry, never connected
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

TEST_F(ColectorConxs, LosNombresDistinguenMayusculasYBlancos) {
  ASSERT_TRUE(Colector.NuevaConexion("BDPrincipal", "cadena", tmAccess, false));
  std::shared_ptr<ado::TConexionADO> Conector;
  EXPECT_FALSE(Colector.DameAccessConex("bdprincipal", Conector));
  EXPECT_FALSE(Colector.DameAccessConex("BDPrincipal ", Conector));
  EXPECT_TRUE(Colector.NuevaConexion("bdprincipal", "cadena", tmAccess, false));
  EXPECT_TRUE(Colector.DameAccessConex("BDPrincipal", Conector));
}

TEST_F(ColectorConxs, CreaBDPrincConservaLaPrimeraRuta) {
  Colector.CreaBDPrinc(RutaInexistente("primera.mdb"), "", false);
  Colector.CreaBDPrinc(RutaInexistente("segunda.mdb"), "", false);
  EXPECT_FALSE(Colector.Conecta("BDPrincipal"));
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(Colector.DameAccessConex("BDPrincipal", Conector));
  EXPECT_EQ(Conector->ConnectionString(),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + RutaInexistente("primera.mdb") +
                ";Persist Security Info=True;Mode=Share Deny None;Jet OLEDB:Database Password=voduzu");
}

TEST_F(ColectorConxs, DameAccessConexDeUnaEntradaFallidaDaLaConexionCerrada) {
  EXPECT_TRUE(Colector.NuevaConexion("X", "", "", "", RutaInexistente(), "", "", tmAccess, true));
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_FALSE(Colector.Conectado("X"));
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(Colector.DameAccessConex("X", Conector));
  ASSERT_NE(Conector, nullptr);
  EXPECT_FALSE(Conector->Connected());
}

TEST_F(ColectorConxs, ElMotorDebeCoincidirConLaOperacion) {
  ASSERT_TRUE(Colector.NuevaConexion("A", "cadena", tmAccess, false));
  ASSERT_TRUE(Colector.NuevaConexion("S", "", "", "", "srv", "", "", tmSQLServer, false));
  std::shared_ptr<ado::TConexionADO> Conector;
  EXPECT_FALSE(Colector.DameSQLConex("A", Conector));
  EXPECT_FALSE(Colector.DameAccessConex("S", Conector));
  EXPECT_EQ(Conector, nullptr);
  EXPECT_TRUE(Colector.DameSQLConex("S", Conector));
  EXPECT_NE(Conector, nullptr);
}

TEST_F(ColectorConxs, TrasEliminarElNombreSePuedeRegistrarDeNuevo) {
  ASSERT_TRUE(Colector.NuevaConexion("T", "cadena", tmAccess, false));
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(Colector.DameAccessConex("T", Conector));
  const std::weak_ptr<ado::TConexionADO> Prestada = Conector;
  Conector.reset();
  Colector.EliminaConex("T");
  EXPECT_TRUE(Prestada.expired());  // the registry was the connection's only owner
  EXPECT_FALSE(Colector.DameAccessConex("T", Conector));
  EXPECT_TRUE(Colector.NuevaConexion("T", "otra", tmAccess, false));
}

class ColectorConxsArchivo : public ColectorConxs {
 protected:
  void SetUp() override {
    sRuta = MdbPrueba::Crea(Dir, "conexion.mdb", R"({ "password": "voduzu",
      "tables": [ { "name": "tCompUsr", "columns": [ {"name": "Usuario", "type": "Text"} ],
                    "rows": [] } ] })");
  }
  QTemporaryDir Dir;
  QString sRuta;
};

TEST_F(ColectorConxsArchivo, ConectaAbreUnaVezYDesconectaCierra) {
  Colector.CreaBDPrinc(sRuta, "", false);
  EXPECT_FALSE(Colector.Conectado("BDPrincipal"));
  ASSERT_TRUE(Colector.Conecta("BDPrincipal")) << Dialogos->Mensajes.join("\n").toStdString();
  std::shared_ptr<ado::TConexionADO> Conector;
  ASSERT_TRUE(Colector.DameAccessConex("BDPrincipal", Conector));
  EXPECT_TRUE(Conector->Connected());
  EXPECT_TRUE(Colector.Conecta("BDPrincipal"));
  Colector.Desconecta("BDPrincipal");
  EXPECT_FALSE(Colector.Conectado("BDPrincipal"));
  EXPECT_FALSE(Conector->Connected());
  // Reconnecting reuses the stored string.
  EXPECT_TRUE(Colector.Conecta("BDPrincipal"));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(ColectorConxsArchivo, PasswordIncorrectoMuestraBD101) {
  ASSERT_TRUE(Colector.NuevaConexion("Mala", "", "VODUZU", "", sRuta, "", "", tmAccess, true));
  EXPECT_FALSE(Colector.Conectado("Mala"));
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
}

TEST_F(ColectorConxsArchivo, CambiarElPasswordTrasConectarNoCambiaLaCadena) {
  TConexion Conexion(tmAccess);
  Conexion.SetUbicacion(sRuta);
  Conexion.SetPassw("voduzu");
  Conexion.SetConecta(true);
  ASSERT_TRUE(Conexion.GetConecta());
  Conexion.SetConecta(false);
  Conexion.SetPassw("otro");
  Conexion.SetConecta(true);
  EXPECT_TRUE(Conexion.GetConecta());
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

}  // namespace
