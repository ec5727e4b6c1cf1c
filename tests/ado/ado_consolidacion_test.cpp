// Several back offices read as one: identity keys kept apart, shared codes joined, each
// file's own company under the head office's number, the head's other tables alone.
#include "ado_ayuda.h"
#include "mdbgen/EscritorMdb.h"

#include <QTemporaryDir>

namespace {

using mdbgen::TColumna;
using mdbgen::TTipo;
using mdbgen::TValor;

struct TTabla {
  QString sNombre;
  QList<TColumna> Columnas;
  QList<std::vector<TValor>> Filas;
};

class Consolidacion : public testing::Test {
 protected:
  QString Escribe(const QString& sArchivo, const QList<TTabla>& Tablas) {
    const QString sRuta = F_Dir.filePath(sArchivo);
    mdbgen::TEscritorMdb Escritor(sRuta, QStringLiteral("clave"));
    for (const TTabla& Tabla : Tablas) {
      Escritor.IniciaTabla(Tabla.sNombre, Tabla.Columnas);
      for (const auto& Fila : Tabla.Filas) Escritor.AgregaFila(Fila);
      Escritor.TerminaTabla();
    }
    Escritor.Termina();
    return sRuta;
  }
  // A client table of company nEmpresa (and a row of company 9), a city table, a user table.
  QString BackOffice(const QString& sArchivo, qint64 nEmpresa, const QString& sUsuario) {
    const QList<TColumna> Clientes = {{"NumEmp", TTipo::Long}, {"ClaveCliente", TTipo::Long},
                                      {"ClaveCiudad", TTipo::Text, 10}, {"Nombre", TTipo::Text, 20}};
    return Escribe(sArchivo, {{"tCliente", Clientes,
                               {{nEmpresa, qint64(1), QStringLiteral("C1"), sUsuario + QStringLiteral("-1")},
                                {nEmpresa, qint64(2), QStringLiteral("c1"), sUsuario + QStringLiteral("-2")},
                                {qint64(9), qint64(3), std::monostate{}, sUsuario + QStringLiteral("-3")},
                                {nEmpresa, {}, QStringLiteral("C2"), sUsuario + QStringLiteral("-4")}}},
                              {"tCiudad", {{"ClaveCiudad", TTipo::Text, 10}, {"ClaveLocalidad", TTipo::Text, 10}},
                               {{QStringLiteral("C1"), QStringLiteral("0100")}, {QStringLiteral("C2"), QStringLiteral("0200")}}},
                              {"tEmps", {{"ClaveEmp", TTipo::Text, 10}}, {{sUsuario}}}});
  }
  static ado::TConsolidacionJet Reglas(qint64 nEmpresa, const QList<ado::TSucursalJet>& Sucursales) {
    return {nEmpresa, Sucursales,
            {{"tCliente", "tCiudad"},
             {{"tCliente", "ClaveCliente"}, {"TCLIENTE", "claveciudad"}, {"tCiudad", "ClaveCiudad"}},
             {{"tCliente", "NumEmp"}}}};
  }
  std::shared_ptr<ado::TConexionADO> Consolida(const QString& sCabeza, qint64 nEmpresa,
                                               const QList<ado::TSucursalJet>& Sucursales) {
    auto Conexion = std::make_shared<ado::TConexionADO>();
    Conexion->SetConnectionString(CadenaAccess(sCabeza, QStringLiteral("clave")));
    Conexion->SetConsolidacion(Reglas(nEmpresa, Sucursales));
    Conexion->SetConnected(true);
    return Conexion;
  }
  QTemporaryDir F_Dir;
};

TEST_F(Consolidacion, ClavesApartadasCodigosUnidosEmpresaDeCadaArchivo) {
  const QString sMatriz = BackOffice("matriz.mdb", 4, "MATRIZ");
  const QString sSucursal = BackOffice("sucursal.mdb", 7, "SUCURSAL");
  const auto Conexion = Consolida(sMatriz, 4, {{sSucursal, QStringLiteral("clave"), 7}});
  // Files interleave their keys: (k - 1) * 2 + 1 for the head, (k - 1) * 2 + 2 for the branch;
  // text keys get "1:" and "2:"; other companies 0; Null stays Null; rows in file order.
  const QList<QVariantList> Esperadas{
      {qint64(4), qint64(1), "1:C1", "MATRIZ-1"},   {qint64(4), qint64(3), "1:c1", "MATRIZ-2"},
      {qint64(0), qint64(5), QVariant(), "MATRIZ-3"}, {qint64(4), QVariant(), "1:C2", "MATRIZ-4"},
      {qint64(4), qint64(2), "2:C1", "SUCURSAL-1"}, {qint64(4), qint64(4), "2:c1", "SUCURSAL-2"},
      {qint64(0), qint64(6), QVariant(), "SUCURSAL-3"}, {qint64(4), QVariant(), "2:C2", "SUCURSAL-4"}};
  EXPECT_EQ(Lee(Conexion, "SELECT * FROM tCliente", {"NumEmp", "ClaveCliente", "ClaveCiudad", "Nombre"}), Esperadas);
  // A client joins its own file's city (letter case ignored as Jet does), never the other's;
  // the locality key is a shared code.
  EXPECT_EQ(Lee(Conexion,
                "SELECT ClaveLocalidad, Count(1) AS N FROM tCliente, tCiudad WHERE tCliente.ClaveCiudad = "
                "tCiudad.ClaveCiudad AND NumEmp = 4 GROUP BY ClaveLocalidad",
                {"ClaveLocalidad", "N"}),
            (QList<QVariantList>{{"0100", qint64(4)}, {"0200", qint64(2)}}));
  // Tables outside the rules are the head office's alone.
  EXPECT_EQ(Lee(Conexion, "SELECT ClaveEmp FROM tEmps", {"ClaveEmp"}), (QList<QVariantList>{{"MATRIZ"}}));
}

// A key told back as the file it came from and that file's own key, for every file of
// one, two and five back offices, keys of 0 and below included.
TEST(ClavePropia, DevuelveElArchivoYSuClave) {
  for (int n : {1, 2, 5})
    for (int s = 0; s < n; ++s)
      for (qint64 k = -2; k <= 3; ++k) {
        const ado::TClavePropia Propia = ado::ClavePropia((k - 1) * n + s + 1, n);
        EXPECT_EQ(Propia.nArchivo, s) << n << " " << s << " " << k;
        EXPECT_EQ(Propia.nClave, k) << n << " " << s << " " << k;
      }
}

TEST_F(Consolidacion, SinSucursalesElArchivoSeLeeTalCual) {
  const QString sMatriz = BackOffice("matriz.mdb", 4, "MATRIZ");
  const auto Conexion = Consolida(sMatriz, 4, {});
  EXPECT_EQ(Lee(Conexion, "SELECT ClaveCliente, ClaveCiudad FROM tCliente", {"ClaveCliente", "ClaveCiudad"}).first(),
            (QVariantList{qint64(1), "C1"}));
}

TEST_F(Consolidacion, UnaSucursalIncompletaNombraSuArchivo) {
  const QString sMatriz = BackOffice("matriz.mdb", 4, "MATRIZ");
  const QString sSinCiudad =
      Escribe("sin_ciudad.mdb", {{"tCliente", {{"NumEmp", TTipo::Long}, {"ClaveCliente", TTipo::Long}}, {}}});
  const auto Conexion = Consolida(sMatriz, 4, {{sSinCiudad, QStringLiteral("clave"), 7}});
  const auto Falla = [&](const QString& sSQL) { return ErrorDe([&] { Lee(Conexion, sSQL, {}); }).Mensaje(); };
  EXPECT_EQ(Falla("SELECT * FROM tCiudad"),
            QStringLiteral("La tabla \"tCiudad\" no existe en la base de datos \"%1\".").arg(sSinCiudad));
  EXPECT_EQ(Falla("SELECT * FROM tCliente"),
            QStringLiteral("La tabla \"tCliente\" de la base de datos \"%1\" no tiene la columna \"ClaveCiudad\".")
                .arg(sSinCiudad));
  // A branch whose file is not there is named at once.
  EXPECT_TRUE(ErrorDe([&] {
                Conexion->SetConsolidacion(Reglas(4, {{F_Dir.filePath("no_existe.mdb"), QStringLiteral("clave"), 7}}));
              }).Mensaje().contains("no_existe.mdb"));
}

}  // namespace
