// The generated back office read back by mdbtools and libmdb.
#include "LeeMdb.h"
#include "backoffice-gen/GeneradorBackOffice.h"
#include "backoffice-gen/TablasFijas.h"
#include "data/Catalogos.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr qint64 CC_LINEAS = 4000;

QByteArray Contenido(const QString& sRuta)
{
  QFile archivo(sRuta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

QSet<QString> Claves(const QString& sCatalogo)
{
  TTablaMemoria tabla = CargaCatalogo(sCatalogo);
  QSet<QString> claves;
  tabla.Open();
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    claves.insert(tabla.CampoTexto("Clave"));
  tabla.Close();
  return claves;
}

class BackOfficeGen : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    F_qDir = new QTemporaryDir;
    F_resumen = backoffice::GeneraBackOffice(CC_LINEAS, 11, F_qDir->path());
    F_sMdb = F_qDir->filePath("DataBase/Tolvex.mdb");
  }
  static void TearDownTestSuite() { delete F_qDir; }

  // Live rows of a table, in stored order (libmdb also returns deleted ones).
  static QList<QStringList> Filas(const QString& sTabla)
  {
    QList<QStringList> filas;
    for (const LeeMdb::TFila& fila : LeeMdb::ConLibmdb(F_sMdb, sTabla).filas)
      if (!(fila.nBanderas & 0x8000))
        filas.append(fila.valores);
    return filas;
  }
  static QSet<QString> Columna(const QString& sTabla, int nColumna)
  {
    QSet<QString> valores;
    for (const QStringList& fila : Filas(sTabla))
      valores.insert(fila[nColumna]);
    return valores;
  }

  static inline QTemporaryDir* F_qDir = nullptr;
  static inline backoffice::TResumen F_resumen;
  static inline QString F_sMdb;
};

TEST_F(BackOfficeGen, WritesEveryTableWithItsColumnsAndTheCountedRows)
{
  struct TCaso {
    QString sTabla;
    QString sColumnas;
  };
  const QString sOperaciones =
      "NumEmp,Tipo,Folio,Fecha,Partida,NumeroDivisa,Cotizacion,Cantidad,ClaveCliente,ImporteCaptura,Cancelado";
  const TCaso casos[] = {
      {"tEmpresa", "NumEmp,Empresa,RFC,RegistroCC,Domicilio"},
      {"tEmps", "ClaveEmp,Nombre,Password,Nivel"},
      {"tCompUsr", "ClaveEmp,Equipo,FechaEntrada"},
      {"tGrupos", "ClaveGrupo,Grupo,InstMonet"},
      {"tDivisas", "NumeroDivisa,Divisa,Simbolo,ClaveGrupo"},
      {"tSector", "ClaveSector,Sector,ClaveActividad"},
      {"tCiudad", "ClaveCiudad,Ciudad,ClaveLocalidad"},
      {"tCliente", "NumEmp,ClaveCliente,Nombre,ApellidoPaterno,ApellidoMaterno,PersonaMoral,"
                   "Extranjero,ClaveSector,ClaveCiudad,FechaAlta"},
      {"tProces", sOperaciones},
      {"tMovtos", sOperaciones},
      {"tRelevan", "NumEmp,NumRelev,TipoRelev,FechaDetec,ClaveCliente,Reportada,Observaciones"},
  };
  EXPECT_EQ(LeeMdb::Comando("mdb-ver", {F_sMdb}), "JET4\n");
  QStringList tablas;
  for (const TCaso& caso : casos)
    tablas << caso.sTabla;
  EXPECT_EQ(LeeMdb::Comando("mdb-tables", {"-1", F_sMdb}), tablas.join('\n') + '\n');
  const QList<QString> escritas = F_resumen.keys();
  EXPECT_EQ(QSet<QString>(escritas.cbegin(), escritas.cend()), QSet<QString>(tablas.cbegin(), tablas.cend()));
  for (const TCaso& caso : casos) {
    const backoffice::TConteo conteo = F_resumen.value(caso.sTabla);
    EXPECT_EQ(LeeMdb::Exporta(F_sMdb, caso.sTabla).section('\n', 0, 0), caso.sColumnas);
    const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(F_sMdb, caso.sTabla);
    ASSERT_TRUE(tabla.bAbierta) << caso.sTabla.toStdString();
    qint64 nBorradas = 0;
    for (const LeeMdb::TFila& fila : tabla.filas)
      nBorradas += (fila.nBanderas & 0x8000) ? 1 : 0;
    EXPECT_EQ(static_cast<qint64>(tabla.filas.size()), conteo.nFilas) << caso.sTabla.toStdString();
    EXPECT_EQ(nBorradas, conteo.nBorradas) << caso.sTabla.toStdString();
    EXPECT_EQ(LeeMdb::Comando("mdb-count", {F_sMdb, caso.sTabla}),
              QString::number(conteo.nFilas - conteo.nBorradas) + '\n');
  }
  const qint64 nLineas = F_resumen["tProces"].nFilas + F_resumen["tMovtos"].nFilas;
  const qint64 nBorradas = F_resumen["tProces"].nBorradas + F_resumen["tMovtos"].nBorradas;
  EXPECT_EQ(nLineas, CC_LINEAS);
  EXPECT_GT(F_resumen["tMovtos"].nFilas, 0);
  EXPECT_TRUE(nBorradas > CC_LINEAS / 100 && nBorradas < CC_LINEAS / 20) << nBorradas;
  EXPECT_EQ(F_resumen["tCompUsr"].nFilas, 0);
  EXPECT_EQ(F_resumen["tEmpresa"].nFilas, 1);
}

TEST_F(BackOfficeGen, WritesTheSettingsFileOfTheActiveCompany)
{
  EXPECT_EQ(Contenido(F_qDir->filePath("Tolvex.INI")), "[Control]\r\nEmpresaActiva=1\r\n");
}

TEST_F(BackOfficeGen, SameSeedGivesTheSameBytes)
{
  QTemporaryDir otra;
  QTemporaryDir distinta;
  backoffice::GeneraBackOffice(CC_LINEAS, 11, otra.path());
  backoffice::GeneraBackOffice(CC_LINEAS, 12, distinta.path());
  const QByteArray original = Contenido(F_sMdb);
  ASSERT_FALSE(original.isEmpty());
  EXPECT_TRUE(Contenido(otra.filePath("DataBase/Tolvex.mdb")) == original);
  EXPECT_FALSE(Contenido(distinta.filePath("DataBase/Tolvex.mdb")) == original);
}

TEST_F(BackOfficeGen, LoginAndCompanyRowsAreThoseTheGatewayReads)
{
  const QList<QStringList> usuarios = Filas("tEmps");
  EXPECT_TRUE(usuarios.contains(QStringList({"ADMIN", "ADMINISTRADOR DEL SISTEMA", "ADMIN", "0"})));
  bool bNoAdmin = false;
  for (const QStringList& usuario : usuarios)
    bNoAdmin = bNoAdmin || usuario[3] != "0";
  EXPECT_TRUE(bNoAdmin);
  EXPECT_EQ(Filas("tEmpresa").value(0).value(0), "1");
}

TEST_F(BackOfficeGen, KeysComeFromTheProgramsCatalogues)
{
  const QSet<QString> entidades = Claves("vtEntFin");
  const QSet<QString> vulnerables = Claves("vtActVul");
  QSet<char> clases;
  for (const backoffice::TSector& sector : backoffice::Sectores()) {
    EXPECT_EQ(entidades.contains(sector.sActividad), sector.cClase == 'F') << sector.nClave;
    EXPECT_EQ(vulnerables.contains(sector.sActividad), sector.cClase == 'V') << sector.nClave;
    clases.insert(sector.cClase);
  }
  EXPECT_EQ(clases, QSet<char>({'F', 'V', 'N'}));

  const QSet<QString> localidades = Claves("vLocalidades");
  const QSet<QString> usadas = Columna("tCiudad", 2);
  EXPECT_TRUE(usadas.contains(""));  // a city without locality key
  for (const QString& sClave : usadas)
    EXPECT_TRUE(sClave.isEmpty() || localidades.contains(sClave)) << sClave.toStdString();
  for (const QString& sTelling : {"00101003", "01001002", "03422466", "10100005", "70200403"})
    EXPECT_TRUE(usadas.contains(sTelling)) << sTelling.toStdString();
}

TEST_F(BackOfficeGen, OperationsCoverTypesYearsCurrenciesAndCompanies)
{
  QSet<QString> tipos, empresas, cancelado;
  QSet<int> anios;
  QSet<QString> divisas;
  for (const QString& sTabla : {"tProces", "tMovtos"})
    for (const QStringList& fila : Filas(sTabla)) {
      empresas.insert(fila[0]);
      tipos.insert(fila[1]);
      anios.insert(QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(fila[3].toDouble()))).year());
      divisas.insert(fila[5]);
      cancelado.insert(fila[10]);
      EXPECT_NEAR(fila[9].toDouble(), fila[6].toDouble() * fila[7].toDouble(), 0.006);
    }
  EXPECT_EQ(anios, QSet<int>({2011, 2012, 2013, 2014, 2015}));
  EXPECT_EQ(empresas, QSet<QString>({"1", "2"}));
  EXPECT_EQ(cancelado, QSet<QString>({"0", "1"}));
  EXPECT_TRUE(tipos.contains("C") && tipos.contains("V") && tipos.size() > 2);
  EXPECT_GE(divisas.size(), 12);

  const QSet<QString> simbolos = Columna("tDivisas", 2);
  for (const QString& sSimbolo : {"USD", "EUR", "CAD", "GBP", "JPY", ""})
    EXPECT_TRUE(simbolos.contains(sSimbolo)) << sSimbolo.toStdString();
}

TEST_F(BackOfficeGen, ClientsAndAlertsCoverEveryClassAndPattern)
{
  QSet<QString> clases;
  bool bPublico = false;
  for (const QStringList& cliente : Filas("tCliente")) {
    clases.insert(cliente[5] + cliente[6]);  // legal person, foreigner
    bPublico = bPublico || cliente[2] == "PUBLICO EN GENERAL";
  }
  EXPECT_TRUE(bPublico);
  EXPECT_EQ(clases, QSet<QString>({"00", "01", "10", "11"}));

  QMap<QString, int> textos;
  QSet<QString> tipos;
  for (const QStringList& alerta : Filas("tRelevan")) {
    tipos.insert(alerta[2]);
    ++textos[alerta[6]];
  }
  EXPECT_TRUE(tipos.contains("I") && tipos.size() > 1);
  for (const QString& sPatron : {"SUMA AL MENOS 5000 DOLARES", "SUMA AL MENOS EQUIV A 5000 DOLARES",
                                 "PUNTUACION", "EL MONTO DE LA OPERACION ES MAYOR"}) {
    int nVeces = 0;
    for (auto it = textos.cbegin(); it != textos.cend(); ++it)
      nVeces += it.key().contains(sPatron, Qt::CaseInsensitive) ? it.value() : 0;
    EXPECT_GT(nVeces, 1) << sPatron.toStdString();
  }
  EXPECT_GT(textos.value("CLIENTE FRACCIONA SUS OPERACIONES EN VARIAS VISITAS"), 1);
}

}  // namespace

namespace {

// Branches: one branch is the lone back office of the same seed, byte for byte; the
// joined back office holds every branch's rows of the survey's tables and the head
// office's company record, users and settings.
TEST(BackOfficeGenSucursales, UnaSucursalEsLaDeHoyYLaUnidaSumaLasFilas)
{
  QTemporaryDir dir;
  backoffice::GeneraBackOffice(2000, 5, dir.filePath("hoy"));
  backoffice::GeneraSucursales(2000, 5, 1, dir.filePath("una"));
  EXPECT_EQ(Contenido(dir.filePath("hoy/DataBase/Tolvex.mdb")),
            Contenido(backoffice::CarpetaSucursal(dir.filePath("una"), 1) + "/DataBase/Tolvex.mdb"));

  const backoffice::TResumen unida = backoffice::GeneraSucursales(2000, 5, 3, dir.filePath("tres"));
  backoffice::TResumen suma;
  for (int s = 1; s <= 3; ++s) {
    const QString sCarpeta = backoffice::CarpetaSucursal(dir.filePath("tres"), s);
    EXPECT_EQ(Contenido(sCarpeta + "/Tolvex.INI"), QStringLiteral("[Control]\r\nEmpresaActiva=%1\r\n").arg(s).toLatin1());
    for (const QString& sTabla : unida.keys())
      suma[sTabla].nFilas += LeeMdb::ConLibmdb(sCarpeta + "/DataBase/Tolvex.mdb", sTabla).filas.size();
  }
  for (const QString& sTabla : {"tEmpresa", "tEmps", "tCompUsr"})
    suma[sTabla].nFilas /= 3;
  for (auto it = unida.cbegin(); it != unida.cend(); ++it)
    EXPECT_EQ(it.value().nFilas, suma[it.key()].nFilas) << it.key().toStdString();
  EXPECT_EQ(Contenido(backoffice::CarpetaUnida(dir.filePath("tres")) + "/Tolvex.INI"), "[Control]\r\nEmpresaActiva=1\r\n");
}

}  // namespace
