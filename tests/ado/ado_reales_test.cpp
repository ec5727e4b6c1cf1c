// The real Access files: Jet 3 and Jet 4, passwords, dates before 1900.
#include "ado/ArchivoMdb.h"
#include "ado/LectorTabla.h"
#include "ado_ayuda.h"

#include <QDateTime>

namespace {

QDateTime Fecha(int a, int m, int d) { return QDateTime(QDate(a, m, d), QTime(0, 0), Qt::UTC); }

// Table1 of the Access 97 and Access 2000 test files holds the same two rows.
class TablaDePrueba : public testing::TestWithParam<const char*> {};

TEST_P(TablaDePrueba, DaCadaTipoConSuValor) {
  const auto Conexion = Conecta(RutaReal(QString::fromUtf8(GetParam())));
  const QList<QVariantList> Filas = Lee(Conexion, QStringLiteral("SELECT * FROM Table1 ORDER BY E"),
                                        {"a", "B", "C", "D", "E", "F", "G", "H", "I"});
  const QList<QVariantList> Esperadas{
      {"a", "b", qint64(0), qint64(0), qint64(0), 0.0, Fecha(1981, 12, 12), 0.0, qint64(0)},
      {"abcdefg", "hijklmnop", qint64(2), qint64(222), qint64(333333333), 444.555, Fecha(1974, 9, 21), 3.5, qint64(-1)}};
  EXPECT_EQ(Filas, Esperadas);
}

INSTANTIATE_TEST_SUITE_P(Archivos, TablaDePrueba, testing::Values("access97-test.mdb", "access2000-test.mdb"));

TEST(ArchivosReales, Jet3ConPaginaDeCodigosYNombreAcentuado) {
  const auto Conexion = Conecta(RutaReal(QStringLiteral("nwind.mdb")));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT CompanyName, City FROM Customers WHERE CustomerID = 'ANTON'"),
                {"CompanyName", "City"}),
            (QList<QVariantList>{{"Antonio Moreno Taquería", "México D.F."}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT COUNT(*) AS N FROM [Umsätze]"), {"n"}),
            (QList<QVariantList>{{qint64(830)}}));
  EXPECT_EQ(Lee(Conexion,
                QStringLiteral("SELECT COUNT(*) AS N FROM Orders AS o INNER JOIN [Order Details] AS d "
                               "ON o.OrderID = d.OrderID"),
                {"N"}),
            (QList<QVariantList>{{qint64(2155)}}));
}

// Every Currency value of the orders, summed as stored integers, equals mdbtools' decimal sum.
TEST(ArchivosReales, MonedaExactaEnElArchivo) {
  ado::TArchivoMdb Archivo(RutaReal(QStringLiteral("nwind.mdb")));
  ado::TLectorTabla Lector(Archivo, *Archivo.Entrada(QStringLiteral("orders")));
  qsizetype nFlete = 0;
  while (Lector.Columnas()[nFlete].sNombre != QStringLiteral("Freight")) ++nFlete;
  qint64 nSuma = 0;
  int nFilas = 0;
  while (Lector.Siguiente()) {
    const ado::TCelda& Celda = Lector.Celdas()[size_t(nFlete)];
    ASSERT_EQ(Celda.eClase, ado::TClaseCelda::Entero);  // ten-thousandths, never a double
    nSuma += Celda.nEntero;
    ++nFilas;
  }
  EXPECT_EQ(nFilas, 830);
  EXPECT_EQ(nSuma, 649426900);
}

// mdbtools 1.0 prints these dates wrongly; the stored day numbers are the reference.
TEST(ArchivosReales, FechasAntesDe1900ComoNumeroDeDia) {
  ado::TArchivoMdb Archivo(RutaReal(QStringLiteral("DateTestDatabase.mdb")));
  ado::TLectorTabla Lector(Archivo, *Archivo.Entrada(QStringLiteral("DateTest")));
  QList<QList<double>> Dias;
  while (Lector.Siguiente()) {
    QList<double> Fila;
    for (size_t c = 1; c <= 3; ++c) Fila << Lector.Celdas()[c].dReal;
    Dias << Fila;
  }
  const QList<QList<double>> Esperados{{44532, 44532, 44532},          {2958101, 2958101, 2958101},
                                       {-728, -363, 2},                 {-463126, -462760, -462395},
                                       {44532, 44532, 44532},          {44532, 44532, 44532}};
  EXPECT_EQ(Dias, Esperados);

  const auto Conexion = Conecta(RutaReal(QStringLiteral("DateTestDatabase.mdb")));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT * FROM DateTest WHERE IDCol = 3 OR IDCol = 4 ORDER BY IDCol"),
                {"DateTimeCol", "DateCol", "TimeCol"}),
            (QList<QVariantList>{{Fecha(1898, 1, 1), Fecha(1899, 1, 1), Fecha(1900, 1, 1)},
                                 {Fecha(632, 1, 1), Fecha(633, 1, 1), Fecha(634, 1, 1)}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT LongTextCol FROM DateTest WHERE IDCol = 6"), {"LongTextCol"}),
            (QList<QVariantList>{{"New line\r\nin field"}}));
}

TEST(ArchivosReales, PasswordCorrectoAbre) {
  const auto Conexion = Conecta(RutaReal(QStringLiteral("access2000-with-password.mdb")), QStringLiteral("password"));
  EXPECT_TRUE(Conexion->Connected());
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT ID, Data FROM Table1 ORDER BY ID"), {"ID", "Data"}),
            (QList<QVariantList>{{qint64(1), "One"}, {qint64(2), "Two"}, {qint64(3), "Three"}}));
}

class PasswordIncorrecto : public testing::TestWithParam<const char*> {};

TEST_P(PasswordIncorrecto, NoAbre) {
  const QString sRuta = RutaReal(QStringLiteral("access2000-with-password.mdb"));
  ado::TConexionADO Conexion;
  Conexion.SetConnectionString(CadenaAccess(sRuta, QString::fromUtf8(GetParam())));
  const ado::EErrorADO Error = ErrorDe([&] { Conexion.SetConnected(true); });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConexionADO"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("No se puede abrir la base de datos \"%1\": contraseña no válida.").arg(sRuta));
  EXPECT_FALSE(Conexion.Connected());
}

INSTANTIATE_TEST_SUITE_P(Casos, PasswordIncorrecto, testing::Values("", "Password", "passwor", "password1"));

// A file without a password opens whatever password the string brings, as Jet does.
TEST(ArchivosReales, SinPasswordAbreConCualquiera) {
  const auto Conexion = Conecta(RutaReal(QStringLiteral("access2003-no-password.mdb")), QStringLiteral("otra"));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT COUNT(*) AS N FROM Table1"), {"N"}).size(), 1);
}

}  // namespace

namespace {

// Every table of every real file, system tables included, reads exactly the rows its
// definition stores (the reader refuses any other count): tables and rows read.
struct TArchivoReal {
  const char* pArchivo;
  int nTablas;
  qint64 nFilas;
};

class TodasLasTablas : public testing::TestWithParam<TArchivoReal> {};

TEST_P(TodasLasTablas, LeenLasFilasGuardadas) {
  ado::TArchivoMdb Archivo(RutaReal(QString::fromUtf8(GetParam().pArchivo)));
  int nTablas = 0;
  qint64 nFilas = 0;
  for (const ado::TEntradaTabla& Entrada : Archivo.Tablas()) {
    ado::TLectorTabla Lector(Archivo, Entrada);
    while (Lector.Siguiente()) ++nFilas;
    ++nTablas;
  }
  EXPECT_EQ(nTablas, GetParam().nTablas);
  EXPECT_EQ(nFilas, GetParam().nFilas);
}

INSTANTIATE_TEST_SUITE_P(Archivos, TodasLasTablas,
                         testing::Values(TArchivoReal{"nwind.mdb", 19, 7508}, TArchivoReal{"DateTestDatabase.mdb", 11, 167},
                                         TArchivoReal{"access97-test.mdb", 10, 92},
                                         TArchivoReal{"access2000-test.mdb", 9, 92},
                                         TArchivoReal{"access2000-with-password.mdb", 11, 141},
                                         TArchivoReal{"access2003-no-password.mdb", 11, 158}));

}  // namespace
