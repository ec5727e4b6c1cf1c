// Files written by our mdbgen: every type, deleted rows, exact Currency, long memos, reloads.
#include "ado/ArchivoMdb.h"
#include "ado/LectorTabla.h"
#include "ado_ayuda.h"
#include "mdbgen/EscritorMdb.h"

#include <QDateTime>
#include <QTemporaryDir>

namespace {

using mdbgen::TColumna;
using mdbgen::TTipo;
using mdbgen::TValor;

QDateTime Fecha(int a, int m, int d, int h = 0, int n = 0, int s = 0) {
  return QDateTime(QDate(a, m, d), QTime(h, n, s), Qt::UTC);
}

QString TextoLargo(int nCaracteres) {
  const QString sFrase = QStringLiteral("Operación en pesos € número ");
  QString s;
  for (int i = 0; s.size() < nCaracteres; ++i) s += sFrase + QString::number(i) + u'\n';
  return s.left(nCaracteres);
}

class ArchivoMdbgen : public testing::Test {
 protected:
  QString Ruta() const { return F_Dir.filePath(QStringLiteral("prueba.mdb")); }
  // One table; rows listed in bBorradas are written as Access leaves deleted rows.
  void Escribe(const QString& sTabla, const QList<TColumna>& Columnas, const QList<std::vector<TValor>>& Filas,
               const QList<int>& Borradas = {}, const QString& sPassword = {}) {
    mdbgen::TEscritorMdb Escritor(Ruta(), sPassword);
    Escritor.IniciaTabla(sTabla, Columnas);
    for (int i = 0; i < Filas.size(); ++i) Escritor.AgregaFila(Filas[i], Borradas.contains(i));
    Escritor.TerminaTabla();
    Escritor.Termina();
  }
  QTemporaryDir F_Dir;
};

TEST_F(ArchivoMdbgen, CadaTipoConSuValor) {
  const QString sMemoLargo = TextoLargo(3000);
  const QString sMemoEncadenado = TextoLargo(30000);
  Escribe(QStringLiteral("Operación Año"),
          {{"Id", TTipo::Long}, {"Sí", TTipo::Boolean}, {"Octeto", TTipo::Byte}, {"Entero", TTipo::Integer},
           {"Simple", TTipo::Single}, {"Doble", TTipo::Double}, {"Importe", TTipo::Currency},
           {"Fecha", TTipo::DateTime}, {"Nombre", TTipo::Text, 50}, {"Nota", TTipo::Memo}},
          {{qint64(1), true, qint64(255), qint64(-32768), 0.1, 0.1 + 0.2, mdbgen::TMoneda{12345675},
            Fecha(2015, 1, 2, 13, 45, 10), QStringLiteral("Ñandú Pérez"), QStringLiteral("Memo corto")},
           {qint64(2), false, qint64(0), qint64(32767), -1.5, -1e300, mdbgen::TMoneda{-5}, Fecha(1850, 6, 15, 12),
            QString(), sMemoLargo},
           {qint64(3), false, {}, {}, {}, {}, {}, {}, QStringLiteral("ÁÉÍÓÚ ü ñ € Ω"), sMemoEncadenado}});
  const auto Conexion = Conecta(Ruta());
  const QList<QVariantList> Filas = Lee(
      Conexion, QStringLiteral("SELECT * FROM [Operación Año] ORDER BY Id"),
      {"id", "SÍ", "Octeto", "Entero", "Simple", "Doble", "Importe", "Fecha", "Nombre", "Nota"});
  const QList<QVariantList> Esperadas{
      {qint64(1), qint64(-1), qint64(255), qint64(-32768), 0.1, 0.1 + 0.2, 1234.5675, Fecha(2015, 1, 2, 13, 45, 10),
       "Ñandú Pérez", "Memo corto"},
      {qint64(2), qint64(0), qint64(0), qint64(32767), -1.5, -1e300, -0.0005, Fecha(1850, 6, 15, 12), "", sMemoLargo},
      {qint64(3), qint64(0), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), "ÁÉÍÓÚ ü ñ € Ω",
       sMemoEncadenado}};
  EXPECT_EQ(Filas, Esperadas);

  // Before 1899-12-30 the whole part is negative and the fraction still adds time.
  ado::TArchivoMdb Archivo(Ruta());
  ado::TLectorTabla Lector(Archivo, *Archivo.Entrada(QStringLiteral("OPERACIÓN AÑO")));
  ASSERT_TRUE(Lector.Siguiente() && Lector.Siguiente());
  EXPECT_EQ(Lector.Celdas()[7].dReal, -18095.5);
}

TEST_F(ArchivoMdbgen, FilasBorradasNoCuentan) {
  QList<std::vector<TValor>> Filas;
  QList<int> Borradas;
  qint64 nSumaViva = 0;
  for (int i = 0; i < 600; ++i) {  // several data pages
    Filas << std::vector<TValor>{qint64(i), QStringLiteral("fila %1").arg(i)};
    if (i % 7 == 3) Borradas << i;
    else nSumaViva += i;
  }
  Escribe(QStringLiteral("tMovtos"), {{"Folio", TTipo::Long}, {"Texto", TTipo::Text, 20}}, Filas, Borradas);
  const auto Conexion = Conecta(Ruta());
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT COUNT(*) AS N, SUM(Folio) AS S FROM tMovtos"), {"N", "S"}),
            (QList<QVariantList>{{qint64(600 - Borradas.size()), nSumaViva}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT Texto FROM tMovtos WHERE Folio = 3 OR Folio = 4"), {"Texto"}),
            (QList<QVariantList>{{"fila 4"}}));
}

// Currency reaches the caller as the double nearest its four-decimal value, so it maps back
// exactly, also at the half-cent boundaries, and its sum is exact.
TEST_F(ArchivoMdbgen, MonedaExacta) {
  const QList<qint64> Diezmilesimas{5, 15, 10005, 26750, 12345678905, -26755, 1000, 1000, 1000, 1000};
  QList<std::vector<TValor>> Filas;
  for (int i = 0; i < Diezmilesimas.size(); ++i)
    Filas << std::vector<TValor>{qint64(i), mdbgen::TMoneda{Diezmilesimas[i]}};
  Escribe(QStringLiteral("tImportes"), {{"Id", TTipo::Long}, {"Importe", TTipo::Currency}}, Filas);
  const auto Conexion = Conecta(Ruta());
  const QList<QVariantList> Leidas = Lee(Conexion, QStringLiteral("SELECT Importe FROM tImportes ORDER BY Id"), {"Importe"});
  ASSERT_EQ(Leidas.size(), Diezmilesimas.size());
  qint64 nSuma = 0;
  for (int i = 0; i < Leidas.size(); ++i) {
    EXPECT_EQ(Leidas[i][0].toDouble(), double(Diezmilesimas[i]) / 10000.0);
    EXPECT_EQ(std::llround(Leidas[i][0].toDouble() * 10000.0), Diezmilesimas[i]);
    nSuma += Diezmilesimas[i];
  }
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT SUM(Importe) AS S FROM tImportes"), {"S"}),
            (QList<QVariantList>{{double(nSuma) / 10000.0}}));
}

// Access moves a row that grew to another place and leaves a pointer flagged 0x4000 in its
// slot; the moved row itself is flagged deleted so a scan meets it only through the pointer.
TEST_F(ArchivoMdbgen, FilaDesbordadaSeSigue) {
  Escribe(QStringLiteral("tFilas"), {{"Id", TTipo::Long}}, {{qint64(1)}, {qint64(2)}, {qint64(3)}});
  QFile Archivo(Ruta());
  ASSERT_TRUE(Archivo.open(QIODevice::ReadWrite));
  QByteArray Bytes = Archivo.readAll();
  auto Le16 = [&](qsizetype n) { return quint16(quint8(Bytes[n]) | (quint8(Bytes[n + 1]) << 8)); };
  qsizetype nPagina = -1;
  for (qsizetype p = 1; p * 4096 < Bytes.size() && nPagina < 0; ++p)
    if (Bytes[p * 4096] == 1 && Bytes.mid(p * 4096 + 4, 4) != "LVAL" && Le16(p * 4096 + 12) == 3) nPagina = p;
  ASSERT_GT(nPagina, 0);
  const qsizetype nBase = nPagina * 4096;
  const quint16 nFila0 = Le16(nBase + 14);
  const quint32 nPuntero = quint32(nPagina) << 8 | 2;
  for (int i = 0; i < 4; ++i) Bytes[nBase + nFila0 + i] = char(nPuntero >> (8 * i));
  Bytes[nBase + 15] = char(Bytes[nBase + 15] | 0x40);
  Bytes[nBase + 19] = char(Bytes[nBase + 19] | 0x80);
  // Access counts the moved row once: the definition's stored count drops to 2.
  const qsizetype nDefinicion = qsizetype(quint8(Bytes[nBase + 4]) | quint8(Bytes[nBase + 5]) << 8) * 4096;
  Bytes[nDefinicion + 16] = 2;
  Archivo.seek(0);
  Archivo.write(Bytes);
  Archivo.close();
  const auto Conexion = Conecta(Ruta());
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT Id FROM tFilas ORDER BY Id"), {"Id"}),
            (QList<QVariantList>{{qint64(2)}, {qint64(3)}}));
}

// A later query sees the file as it is now, loaded again with progress reported.
TEST_F(ArchivoMdbgen, RecargaCuandoElArchivoCambia) {
  const QList<TColumna> Columnas{{"Id", TTipo::Long}};
  Escribe(QStringLiteral("tDatos"), Columnas, {{qint64(1)}, {qint64(2)}});
  const auto Conexion = Conecta(Ruta());
  QStringList Avisos;
  Conexion->SetProgresoCarga([&](const QString& sTabla, qint64 nFilas, qint64 nTotal) {
    Avisos << QStringLiteral("%1 %2/%3").arg(sTabla).arg(nFilas).arg(nTotal);
  });
  const QString sSQL = QStringLiteral("SELECT COUNT(*) AS N FROM tdatos");
  EXPECT_EQ(Lee(Conexion, sSQL, {"N"}), (QList<QVariantList>{{qint64(2)}}));
  EXPECT_EQ(Lee(Conexion, sSQL, {"N"}), (QList<QVariantList>{{qint64(2)}}));
  Escribe(QStringLiteral("tDatos"), Columnas, {{qint64(1)}, {qint64(2)}, {qint64(3)}}, {0});
  EXPECT_EQ(Lee(Conexion, sSQL, {"N"}), (QList<QVariantList>{{qint64(2)}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT SUM(Id) AS S FROM tDatos"), {"S"}), (QList<QVariantList>{{qint64(5)}}));
  EXPECT_EQ(Avisos, (QStringList{"tDatos 0/2", "tDatos 2/2", "tDatos 0/2", "tDatos 2/2"}));
}

// A table is loaded with the columns its first statement names; a later statement that
// names another one has it loaded again whole, once, and * shows every column.
TEST_F(ArchivoMdbgen, CargaLasColumnasNombradasYLasDemasCuandoSePiden) {
  Escribe(QStringLiteral("tOps"),
          {{"Id", TTipo::Long}, {"Tipo", TTipo::Text, 1}, {"Monto", TTipo::Double}, {"Nota", TTipo::Text, 20}},
          {{qint64(1), QStringLiteral("C"), 1.5, QStringLiteral("a")},
           {qint64(2), QStringLiteral("V"), 2.5, QStringLiteral("b")},
           {qint64(3), QStringLiteral("c"), 4.0, TValor()}});
  const auto Conexion = Conecta(Ruta());
  QStringList Avisos;
  Conexion->SetProgresoCarga([&](const QString& sTabla, qint64 nFilas, qint64 nTotal) {
    Avisos << QStringLiteral("%1 %2/%3").arg(sTabla).arg(nFilas).arg(nTotal);
  });
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT SUM(Monto) AS S FROM tOps WHERE Tipo = 'C'"), {"S"}),
            (QList<QVariantList>{{5.5}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT t.Nota FROM tOps AS t WHERE t.Id = 2"), {"Nota"}),
            (QList<QVariantList>{{"b"}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT * FROM tOps ORDER BY Id"), {"Id", "Tipo", "Monto", "Nota"}),
            (QList<QVariantList>{
                {qint64(1), "C", 1.5, "a"}, {qint64(2), "V", 2.5, "b"}, {qint64(3), "c", 4.0, QVariant()}}));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT COUNT(*) AS N FROM tOps"), {"N"}), (QList<QVariantList>{{qint64(3)}}));
  EXPECT_EQ(Avisos, (QStringList{"tOps 0/3", "tOps 3/3", "tOps 0/3", "tOps 3/3"}));
}

// The password mdbgen stores is checked exactly; the file is never written.
TEST_F(ArchivoMdbgen, PasswordYSoloLectura) {
  Escribe(QStringLiteral("tEmps"), {{"ClaveEmp", TTipo::Text, 10}}, {{QStringLiteral("ADMIN")}}, {},
          QStringLiteral("voduzu"));
  const QFileInfo Antes(Ruta());
  QFile Archivo(Ruta());
  ASSERT_TRUE(Archivo.open(QIODevice::ReadOnly));
  const QByteArray Bytes = Archivo.readAll();
  Archivo.close();
  EXPECT_EQ(ErrorDe([&] { Conecta(Ruta(), QStringLiteral("VODUZU")); }).Mensaje(),
            QStringLiteral("No se puede abrir la base de datos \"%1\": contraseña no válida.").arg(Ruta()));
  const auto Conexion = Conecta(Ruta(), QStringLiteral("voduzu"));
  EXPECT_EQ(Lee(Conexion, QStringLiteral("SELECT ClaveEmp FROM tEmps"), {"ClaveEmp"}),
            (QList<QVariantList>{{"ADMIN"}}));
  ado::TConsultaADO Consulta;
  Consulta.SetConnection(Conexion);
  Consulta.SetSQL(QStringLiteral("DELETE * FROM tEmps"));
  EXPECT_EQ(ErrorDe([&] { Consulta.ExecSQL(); }).Mensaje(),
            QStringLiteral("La base de datos se abre solo para lectura: no se ejecutan instrucciones que la modifiquen."));
  EXPECT_EQ(ErrorDe([&] { Consulta.Open(); }).Clase(), QStringLiteral("EConsultaADO"));
  Conexion->SetConnected(false);
  ASSERT_TRUE(Archivo.open(QIODevice::ReadOnly));
  EXPECT_EQ(Archivo.readAll(), Bytes);
  EXPECT_EQ(QFileInfo(Ruta()).lastModified(), Antes.lastModified());
}

}  // namespace
