#include "ado/CadenaConexion.h"
#include "ado_ayuda.h"

namespace {

struct TCasoCadena {
  const char* pCadena;
  const char* pRuta;
  const char* pPassword;
};

class CadenaJet : public testing::TestWithParam<TCasoCadena> {};

TEST_P(CadenaJet, DaArchivoYPassword) {
  const ado::TDatosJet Datos = ado::DatosJet(QString::fromUtf8(GetParam().pCadena));
  EXPECT_EQ(Datos.sRuta, QString::fromUtf8(GetParam().pRuta));
  EXPECT_EQ(Datos.sPassword, QString::fromUtf8(GetParam().pPassword));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CadenaJet,
    testing::Values(
        TCasoCadena{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/x/DataBase/Tolvex.mdb;Persist Security Info=True;"
                    "Mode=Share Deny None;Jet OLEDB:Database Password=voduzu",
                    "/x/DataBase/Tolvex.mdb", "voduzu"},
        TCasoCadena{"provider = microsoft.jet.oledb.4.0 ; DATA SOURCE= /a b/c.mdb ;jet oledb:database password=Pw",
                    "/a b/c.mdb", "Pw"},
        TCasoCadena{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/a;b/c.mdb\";Jet OLEDB:Database Password='it''s'",
                    "/a;b/c.mdb", "it's"},
        TCasoCadena{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/año/ñ.mdb;;", "/año/ñ.mdb", ""}));

struct TCasoMalo {
  const char* pCadena;
  const char* pMensaje;
};

class CadenaMala : public testing::TestWithParam<TCasoMalo> {};

TEST_P(CadenaMala, FallaConMensajeClaro) {
  const ado::EErrorADO Error = ErrorDe([] { ado::DatosJet(QString::fromUtf8(GetParam().pCadena)); });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConexionADO"));
  EXPECT_EQ(Error.Mensaje(), QString::fromUtf8(GetParam().pMensaje));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CadenaMala,
    testing::Values(
        TCasoMalo{"Provider=SQLOLEDB.1;Password=x;Persist Security Info=True;User ID=sa;Initial Catalog=T;Data Source=srv\\",
                  "No hay un proveedor de SQL Server disponible en este equipo (\"SQLOLEDB.1\"); solo se pueden abrir "
                  "bases de datos de Access."},
        TCasoMalo{"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=a.accdb",
                  "Proveedor no disponible: \"Microsoft.ACE.OLEDB.12.0\"; solo se admite \"Microsoft.Jet.OLEDB.4.0\"."},
        TCasoMalo{"Data Source=a.mdb", "Proveedor no disponible: \"\"; solo se admite \"Microsoft.Jet.OLEDB.4.0\"."},
        TCasoMalo{"Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=True",
                  "La cadena de conexión no indica el archivo de base de datos (Data Source)."},
        TCasoMalo{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/a.mdb",
                  "Cadena de conexión no válida: falta cerrar una comilla."}));

TEST(ConexionADO, GuardaPropiedadesSinEfecto) {
  ado::TConexionADO Conexion;
  EXPECT_TRUE(Conexion.LoginPrompt());
  Conexion.SetLoginPrompt(false);
  Conexion.SetMode(12);
  Conexion.SetConnectionString(QStringLiteral("Provider=X"));
  EXPECT_FALSE(Conexion.LoginPrompt());
  EXPECT_EQ(Conexion.Mode(), 12);
  EXPECT_EQ(Conexion.ConnectionString(), QStringLiteral("Provider=X"));
  EXPECT_FALSE(Conexion.Connected());
}

}  // namespace
