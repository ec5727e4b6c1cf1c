// A head office and its branches consolidated into one report: the same answers as one
// back office holding all their data ("unida" of backoffice-gen), cell by cell.
#include <gtest/gtest.h>

#include "EjecutaPrograma.h"
#include "backoffice-gen/Clientes.h"
#include "backoffice-gen/GeneradorBackOffice.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr qint64 CC_OPERACIONES = 4000;  // per branch
constexpr quint64 CC_SEMILLA = 19;

QByteArray Contenido(const QString& sRuta)
{
  QFile Archivo(sRuta);
  return Archivo.open(QIODevice::ReadOnly) ? Archivo.readAll() : QByteArray();
}

// The localities of question 5: every branch's own locality (branches 2 and up), then
// localities that all branches share.
QStringList Localidades(int nSucursales)
{
  QStringList Claves;
  for (int s = 2; s <= nSucursales && Claves.size() < 5; ++s)
    Claves << backoffice::LocalidadPropia(s);
  for (const QString& sClave : {"01001002", "00101003", "03422466", "01991002", "02401008"})
    if (Claves.size() < 5)
      Claves << sClave;
  return Claves;
}

TEjecucion Genera(const QString& sCarpeta, const QStringList& Sucursales, const QStringList& Claves,
                  const QString& sJson, const QString& sPdf = {})
{
  QStringList Args = {"generar", "--carpeta", sCarpeta, "--usuario", "ADMIN",
                      "--password", "ADMIN", "--json", sJson};
  if (!sPdf.isEmpty())
    Args << "--pdf" << sPdf;
  for (const QString& sSucursal : Sucursales)
    Args << "--sucursal" << sSucursal;
  for (const QString& sClave : Claves)
    Args << "--localidad" << sClave;
  return Ejecuta(Args);
}

class Sucursales : public ::testing::TestWithParam<int> {
 protected:
  // Consolidated over the branches, and over the joined back office.
  void SetUp() override
  {
    const int n = GetParam();
    backoffice::GeneraSucursales(CC_OPERACIONES, CC_SEMILLA, n, F_dir.path());
    QStringList Resto;
    for (int s = 2; s <= n; ++s)
      Resto << backoffice::CarpetaSucursal(F_dir.path(), s);
    F_Consolidado = Genera(backoffice::CarpetaSucursal(F_dir.path(), 1), Resto, Localidades(n),
                           F_dir.filePath("consolidado.json"), F_dir.filePath("consolidado.pdf"));
    ASSERT_EQ(F_Consolidado.nSalida, 0) << F_Consolidado.sError.toStdString();
    const TEjecucion Unida = Genera(backoffice::CarpetaUnida(F_dir.path()), {}, Localidades(n),
                                    F_dir.filePath("unida.json"));
    ASSERT_EQ(Unida.nSalida, 0) << Unida.sError.toStdString();
  }
  QList<QByteArray> Lineas(const QString& sNombre) const
  {
    return Contenido(F_dir.filePath(sNombre)).split('\n');
  }
  QByteArray Linea(const QString& sNombre, const QByteArray& sVariable) const
  {
    for (const QByteArray& sLinea : Lineas(sNombre))
      if (sLinea.startsWith("  \"" + sVariable + "\": "))
        return sLinea;
    return {};
  }
  QByteArray Columna(const QString& sNombre, const QByteArray& sPrefijo) const
  {
    QByteArray sTodas;
    for (const QByteArray& sLinea : Lineas(sNombre))
      if (sLinea.startsWith("  \"" + sPrefijo))
        sTodas += sLinea + '\n';
    return sTodas;
  }

  QTemporaryDir F_dir;
  TEjecucion F_Consolidado;
};

TEST_P(Sucursales, ConsolidadoIgualAlBackOfficeUnido)
{
  const QList<QByteArray> Consolidado = Lineas("consolidado.json");
  const QList<QByteArray> Unida = Lineas("unida.json");
  ASSERT_EQ(Consolidado.size(), Unida.size());
  for (qsizetype i = 0; i < Consolidado.size(); ++i)
    if (!Consolidado[i].startsWith("  \"NombreCC\": "))
      EXPECT_EQ(Consolidado[i].toStdString(), Unida[i].toStdString());
  EXPECT_EQ(Linea("consolidado.json", "NombreCC").toStdString(),
            GetParam() == 1 ? Linea("unida.json", "NombreCC").toStdString()
                            : QStringLiteral("  \"NombreCC\": \"CENTRO CAMBIARIO EL MIRADOR, S.A. DE C.V. · "
                                             "Reporte consolidado de %1 back offices\",")
                                  .arg(GetParam())
                                  .toUtf8()
                                  .toStdString());
}

// What only one branch has reaches the answers: its locality (question 5), its alert
// text (question 8) and its trade, a class of client (question 20). Every branch after
// the first has its own; with five, they compete for the places.
TEST_P(Sucursales, LoQueSoloTieneUnaSucursalCuenta)
{
  if (GetParam() == 1)
    GTEST_SKIP() << "one back office";
  EXPECT_FALSE(Linea("consolidado.json", "preg_5.1.2").contains("NO EXISTEN OPERACIONES"));
  EXPECT_TRUE(Linea("consolidado.json", "preg_5.1.1").contains(backoffice::LocalidadPropia(2).toUtf8()));
  EXPECT_TRUE(Columna("consolidado.json", "preg_8.").contains("OPERACION REVISADA POR EL GERENTE DE LA SUCURSAL "));
  EXPECT_TRUE(Columna("consolidado.json", "preg_20.").contains("GIRO PROPIO DE LA SUCURSAL "));
}

// The notice page names the back offices in place of the note about adding up the
// branches' reports by hand; the note about the figures in parentheses stays.
TEST_P(Sucursales, ElAvisoDiceQueEsConsolidado)
{
  QProcess Texto;
  Texto.start("pdftotext", {"-f", "1", "-l", "1", "-layout", F_dir.filePath("consolidado.pdf"), "-"});
  ASSERT_TRUE(Texto.waitForFinished(60000));
  const QString sAviso = QString::fromUtf8(Texto.readAllStandardOutput()).simplified();
  EXPECT_TRUE(sAviso.contains("NOTA 2:")) << sAviso.toStdString();
  if (GetParam() == 1) {
    EXPECT_TRUE(sAviso.contains("NOTA 1: Si cuenta con sucursales")) << sAviso.toStdString();
    return;
  }
  EXPECT_FALSE(sAviso.contains("NOTA 1")) << sAviso.toStdString();
  EXPECT_TRUE(sAviso.contains(QStringLiteral("REPORTE CONSOLIDADO de %1 back offices").arg(GetParam())))
      << sAviso.toStdString();
  // A long folder may break across lines anywhere.
  const QString sRama = QStringLiteral("sucursal%1(empresa%2)")
                            .arg(backoffice::CarpetaSucursal(F_dir.path(), GetParam()))
                            .arg(GetParam());
  EXPECT_TRUE(QString(sAviso).remove(u' ').contains(sRama)) << sAviso.toStdString();
}

// The pre-flight findings name a currency by the number its own back office gives it (every
// branch's currency 10 has no symbol), not by the number the consolidation gives it.
TEST_P(Sucursales, LaRevisionPreviaNombraLaDivisaDeSuBackOffice)
{
  const int n = GetParam();
  QStringList Nombres;
  for (int s = 1; s <= std::min(n, 3); ++s)
    Nombres << (n == 1 ? QStringLiteral("10")
                       : QStringLiteral("10 en %1 %2 (empresa %3)")
                             .arg(s == 1 ? "matriz" : "sucursal", backoffice::CarpetaSucursal(F_dir.path(), s))
                             .arg(s));
  const QString sLinea = QStringLiteral("- Divisas sin Símbolo usadas desde el 1 de noviembre de 2011 "
                                        "(NumeroDivisa): %1%2.\n")
                             .arg(Nombres.join(", "), n > 3 ? QStringLiteral(" y %1 más").arg(n - 3) : QString());
  EXPECT_TRUE(F_Consolidado.sError.contains(sLinea)) << F_Consolidado.sError.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sucursales, Sucursales, ::testing::Values(1, 2, 5),
                         [](const ::testing::TestParamInfo<int>& Info) {
                           return QStringLiteral("N%1").arg(Info.param).toStdString();
                         });

// localidades takes the back offices generar takes: over the head office and its branches
// it lists what one back office holding all their data lists, and it refuses a branch as
// generar does, naming it.
TEST(LocalidadesConsolidadas, ComoElBackOfficeUnidoYConLosRechazosDeGenerar)
{
  QTemporaryDir Dir;
  backoffice::GeneraSucursales(CC_OPERACIONES, CC_SEMILLA, 3, Dir.path());
  const QString sMatriz = backoffice::CarpetaSucursal(Dir.path(), 1);
  const QString sSucursal2 = backoffice::CarpetaSucursal(Dir.path(), 2);
  const QString sSucursal3 = backoffice::CarpetaSucursal(Dir.path(), 3);
  const auto Lista = [](const QString& sCarpeta, const QStringList& Sucursales) {
    QStringList Args = {"localidades", "--carpeta", sCarpeta, "--usuario", "ADMIN", "--password", "ADMIN"};
    for (const QString& sSucursal : Sucursales)
      Args << "--sucursal" << sSucursal;
    return Ejecuta(Args);
  };
  const TEjecucion Unida = Lista(backoffice::CarpetaUnida(Dir.path()), {});
  ASSERT_EQ(Unida.nSalida, 0) << Unida.sError.toStdString();
  // Each branch's own locality is there, once the branches are joined.
  for (int s = 2; s <= 3; ++s)
    EXPECT_TRUE(Unida.sSalida.contains("\n" + backoffice::LocalidadPropia(s) + "  ")) << s;
  const QString sFalta = Dir.filePath("no-existe");
  struct TCaso {
    const char* sNombre;
    QStringList Sucursales;
    int nSalida;
    QString sSalida;
    QString sError;  // what standard error contains
  };
  const QList<TCaso> Casos = {
      {"tres back offices", {sSucursal2, sSucursal3}, 0,
       QString(Unida.sSalida).replace("del back office", "de los 3 back offices consolidados"), {}},
      {"una sucursal sin Tolvex", {sSucursal2, sFalta}, 3, {},
       "Sucursal " + sFalta + ": no se encontró la base de datos del Tolvex (DataBase\\Tolvex.mdb).\n"},
      {"la matriz otra vez", {sSucursal2, sMatriz + "/"}, 2, {},
       "La carpeta " + sMatriz + "/ se indicó dos veces: cada back office se consolida una sola vez.\n"},
  };
  for (const TCaso& Caso : Casos) {
    const TEjecucion R = Lista(sMatriz, Caso.Sucursales);
    EXPECT_EQ(R.nSalida, Caso.nSalida) << Caso.sNombre << ": " << R.sError.toStdString();
    EXPECT_EQ(R.sSalida.toStdString(), Caso.sSalida.toStdString()) << Caso.sNombre;
    EXPECT_TRUE(R.sError.contains(Caso.sError)) << Caso.sNombre << ": " << R.sError.toStdString();
  }
}

// One branch is the back office of today: the same file as a lone back office, and the
// same report as the joined one, byte for byte.
TEST(UnaSucursal, EsElBackOfficeDeHoy)
{
  QTemporaryDir Dir;
  backoffice::GeneraSucursales(CC_OPERACIONES, CC_SEMILLA, 1, Dir.filePath("suc"));
  backoffice::GeneraBackOffice(CC_OPERACIONES, CC_SEMILLA, Dir.filePath("hoy"));
  EXPECT_EQ(Contenido(Dir.filePath("hoy/DataBase/Tolvex.mdb")),
            Contenido(backoffice::CarpetaSucursal(Dir.filePath("suc"), 1) + "/DataBase/Tolvex.mdb"));
  EXPECT_EQ(Contenido(Dir.filePath("hoy/Tolvex.INI")),
            Contenido(backoffice::CarpetaSucursal(Dir.filePath("suc"), 1) + "/Tolvex.INI"));
}

}  // namespace
