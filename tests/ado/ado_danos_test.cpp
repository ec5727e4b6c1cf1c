// Damaged files: each patch of an mdbgen file ends in the damaged-file error naming the
// table and what is wrong; never a crash, never fewer rows read silently.
#include "ado/ArchivoMdb.h"
#include "ado/LectorTabla.h"
#include "ado_ayuda.h"
#include "mdbgen/EscritorMdb.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {

using mdbgen::TColumna;
using mdbgen::TTipo;
using mdbgen::TValor;

constexpr qsizetype CC_PAGINA = 4096;

QString Texto(int nCaracteres) {
  QString s;
  for (int i = 0; s.size() < nCaracteres; ++i) s += QStringLiteral("Operación %1 en pesos; ").arg(i);
  return s.left(nCaracteres);
}

// The bytes of a file, with the places a patch needs.
struct TBytes {
  QByteArray b;
  quint32 U32(qsizetype n) const {
    return quint8(b[n]) | quint8(b[n + 1]) << 8 | quint8(b[n + 2]) << 16 | quint32(quint8(b[n + 3])) << 24;
  }
  quint16 U16(qsizetype n) const { return quint16(quint8(b[n]) | quint8(b[n + 1]) << 8); }
  void Pon32(qsizetype n, quint32 v) {
    for (int i = 0; i < 4; ++i) b[n + i] = char(v >> (8 * i));
  }
  void Pon16(qsizetype n, quint16 v) {
    b[n] = char(v);
    b[n + 1] = char(v >> 8);
  }
  qsizetype Paginas() const { return b.size() / CC_PAGINA; }
  // Pages of a type whose bytes 4-7 name nDueno, in file order.
  QList<quint32> PaginasDe(char nTipo, quint32 nDueno) const {
    QList<quint32> Lista;
    for (qsizetype p = 1; p < Paginas(); ++p)
      if (b[p * CC_PAGINA] == nTipo && U32(p * CC_PAGINA + 4) == nDueno) Lista << quint32(p);
    return Lista;
  }
  quint32 Definicion() const {  // the one user table's definition (the catalogue's is page 2)
    for (qsizetype p = 3; p < Paginas(); ++p)
      if (b[p * CC_PAGINA] == 2) return quint32(p);
    return 0;
  }
  quint32 Datos() const { return PaginasDe(1, Definicion()).value(0); }
  QList<quint32> Lval() const { return PaginasDe(1, 0x4C41564C); }
  qsizetype Fila(quint32 nPagina, int nFila) const {  // where a row starts
    return nPagina * CC_PAGINA + (U16(nPagina * CC_PAGINA + 14 + 2 * nFila) & 0x1FFF);
  }
  qsizetype Mapa() const {  // the used-pages map row of the table
    const quint32 nPgFila = U32(Definicion() * CC_PAGINA + 55);
    return Fila(nPgFila >> 8, int(nPgFila & 0xFF));
  }
  void Reemplaza(const QByteArray& sDe, const QByteArray& sA, quint32 nPagina) {  // within one page
    const qsizetype n = b.mid(nPagina * CC_PAGINA, CC_PAGINA).indexOf(sDe);
    ASSERT_GE(n, 0);
    b.replace(nPagina * CC_PAGINA + n, sA.size(), sA);
  }
};

QByteArray Le32(quint32 v) {
  TBytes t{QByteArray(4, '\0')};
  t.Pon32(0, v);
  return t.b;
}

QByteArray Ucs2(const char* p) {
  QByteArray s;
  for (; *p; ++p) s += QByteArray(1, *p) + QByteArray(1, '\0');
  return s;
}

struct TDano {
  const char* pNombre;
  int nTabla;  // which fixture table
  std::function<void(TBytes&)> Parcha;
  const char* pDetalle;  // what the message names after the table
};

void PrintTo(const TDano& Dano, std::ostream* os) { *os << Dano.pNombre; }

class ArchivoDanado : public testing::TestWithParam<TDano> {
 protected:
  // 0: three plain rows; 1: one chained memo; 2: two memos on a long-value row each; 3: two Long
  // columns; 4: a Decimal column.
  void Escribe(int nTabla) {
    mdbgen::TEscritorMdb Escritor(Ruta());
    const QList<QList<TColumna>> Columnas{{{"Id", TTipo::Long}, {"Nombre", TTipo::Text, 20}},
                                          {{"Id", TTipo::Long}, {"Nota", TTipo::Memo}},
                                          {{"Id", TTipo::Long}, {"Nota", TTipo::Memo}},
                                          {{"Alfa", TTipo::Long}, {"Beta", TTipo::Long}},
                                          {{"Id", TTipo::Long}, {"Monto", TTipo::Decimal, 255, 10, 2}}};
    const QList<QList<std::vector<TValor>>> Filas{
        {{qint64(1), QStringLiteral("uno")}, {qint64(2), QStringLiteral("dos")}, {qint64(3), QStringLiteral("tres")}},
        {{qint64(1), Texto(30000)}},
        {{qint64(1), Texto(1500)}, {qint64(2), Texto(1500)}},
        {{qint64(1), qint64(2)}},
        {{qint64(1), mdbgen::TDecimal{false, 12345}}}};
    Escritor.IniciaTabla(QStringLiteral("tDatos"), Columnas[nTabla]);
    for (const auto& Fila : Filas[nTabla]) Escritor.AgregaFila(Fila);
    Escritor.TerminaTabla();
    Escritor.Termina();
  }
  QString Ruta() const { return F_Dir.filePath(QStringLiteral("danada.mdb")); }
  QTemporaryDir F_Dir;
};

TEST_P(ArchivoDanado, DaElErrorDeArchivoDanado) {
  Escribe(GetParam().nTabla);
  QFile Archivo(Ruta());
  ASSERT_TRUE(Archivo.open(QIODevice::ReadWrite));
  TBytes Bytes{Archivo.readAll()};
  GetParam().Parcha(Bytes);
  Archivo.seek(0);
  Archivo.write(Bytes.b);
  Archivo.close();

  const ado::EErrorADO Error = ErrorDe([&] {
    const auto Conexion = Conecta(Ruta());
    Lee(Conexion, QStringLiteral("SELECT * FROM tDatos"), {});
  });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EArchivoJet"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("La base de datos \"%1\" está dañada (%2).")
                                 .arg(Ruta(), QString::fromUtf8(GetParam().pDetalle)));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArchivoDanado,
    testing::Values(
        // libmdb kept a NULL map for a row index the page does not have, then read through it.
        TDano{"MapaEnFilaInexistente", 0, [](TBytes& t) { t.b[t.Definicion() * CC_PAGINA + 55] = char(200); },
              "tabla \"tDatos\", puntero al mapa de páginas"},
        TDano{"MapaDelCatalogoEnFilaInexistente", 0, [](TBytes& t) { t.b[2 * CC_PAGINA + 55] = char(200); },
              "tabla \"MSysObjects\", puntero al mapa de páginas"},
        TDano{"MapaFueraDelArchivo", 0,
              [](TBytes& t) { t.Pon32(t.Definicion() * CC_PAGINA + 55, quint32(t.Paginas() + 5) << 8); },
              "tabla \"tDatos\", puntero al mapa de páginas"},
        TDano{"TipoDeMapaDesconocido", 0, [](TBytes& t) { t.b[t.Mapa()] = 7; },
              "tabla \"tDatos\", tipo de mapa de páginas"},
        TDano{"MapaSinPaginas", 0, [](TBytes& t) { t.b[t.Mapa() + 5] = 0; },
              "tabla \"tDatos\", se leyeron 0 de las 3 filas que guarda"},
        TDano{"MapaMasAllaDelArchivo", 0, [](TBytes& t) { t.Pon32(t.Mapa() + 1, 0x00FFFF00); },
              "tabla \"tDatos\", página fuera del archivo"},
        TDano{"MapaConPaginaAjena", 0,
              [](TBytes& t) {
                t.Pon32(t.Mapa() + 1, 1);
                t.b[t.Mapa() + 5] = 1;
              },
              "tabla \"tDatos\", la página 1 del mapa no es de la tabla"},
        TDano{"CuentaGuardadaMayor", 0, [](TBytes& t) { t.Pon32(t.Definicion() * CC_PAGINA + 16, 4); },
              "tabla \"tDatos\", se leyeron 3 de las 4 filas que guarda"},
        TDano{"FilasDePaginaFueraDeLaPagina", 0, [](TBytes& t) { t.Pon16(t.Datos() * CC_PAGINA + 12, 3000); },
              "tabla \"tDatos\", tabla de filas de la página 4"},
        TDano{"DefinicionQueContinuaEnSiMisma", 0,
              [](TBytes& t) { t.Pon32(t.Definicion() * CC_PAGINA + 4, t.Definicion()); },
              "tabla \"tDatos\", página de continuación de la definición"},
        TDano{"FilaDesbordadaHaciaSiMisma", 0,
              [](TBytes& t) {
                t.Pon32(t.Fila(t.Datos(), 0), t.Datos() << 8);
                t.b[t.Datos() * CC_PAGINA + 15] = char(t.b[t.Datos() * CC_PAGINA + 15] | 0x40);
              },
              "tabla \"tDatos\", destino de una fila desbordada"},
        TDano{"FilaDesbordadaHaciaValorLargo", 1,
              [](TBytes& t) {
                t.Pon32(t.Fila(t.Datos(), 0), t.Lval().value(0) << 8);
                t.b[t.Datos() * CC_PAGINA + 15] = char(t.b[t.Datos() * CC_PAGINA + 15] | 0x40);
              },
              "tabla \"tDatos\", destino de una fila desbordada"},
        TDano{"CadenaDeMemoQueVuelve", 1,
              [](TBytes& t) {  // every piece names itself as the next
                for (const quint32 nPagina : t.Lval())
                  for (int r = 0; r < t.U16(nPagina * CC_PAGINA + 12); ++r) t.Pon32(t.Fila(nPagina, r), nPagina << 8 | r);
              },
              "tabla \"tDatos\", un valor largo repite una pieza"},
        // Every row naming one long chain drove memory to gigabytes.
        TDano{"DosMemosConUnaPieza", 2,
              [](TBytes& t) { t.Reemplaza(Le32(t.Lval().value(1) << 8), Le32(t.Lval().value(0) << 8), t.Datos()); },
              "tabla \"tDatos\", un valor largo repite una pieza"},
        // SQLite's own "duplicate column name" reached the user.
        TDano{"NombresDeColumnaRepetidos", 3,
              [](TBytes& t) { t.Reemplaza(Ucs2("Beta"), Ucs2("ALFA"), t.Definicion()); },
              "tabla \"tDatos\", nombre de columna no válido"},
        TDano{"NombreDeColumnaConControl", 3,
              [](TBytes& t) { t.Reemplaza(Ucs2("Beta"), Ucs2("B\x01ta"), t.Definicion()); },
              "tabla \"tDatos\", nombre de columna no válido"},
        // One stored value read as many columns would multiply the table in memory.
        TDano{"ColumnasQueCompartenSuValor", 3,
              [](TBytes& t) {
                for (int i = 0; i < 2; ++i) t.Pon16(t.Definicion() * CC_PAGINA + 63 + 25 * i + 21, 0);
              },
              "tabla \"tDatos\", columnas que comparten su valor"},
        // One flipped bit in a column's descriptor made it read as empty, with wrong answers.
        TDano{"NumeroDeColumnaVariableFuera", 0,
              [](TBytes& t) { t.Pon16(t.Definicion() * CC_PAGINA + 63 + 25 * 1 + 7, 1); },
              "tabla \"tDatos\", número de columna variable"},
        TDano{"ValorFijoFueraDelArea", 3, [](TBytes& t) { t.Pon16(t.Definicion() * CC_PAGINA + 63 + 25 * 1 + 21, 6); },
              "tabla \"tDatos\", valor fijo fuera del área de valores fijos"},
        TDano{"MasDe255Columnas", 3, [](TBytes& t) { t.Pon16(t.Definicion() * CC_PAGINA + 45, 256); },
              "tabla \"tDatos\", número de columnas"},
        TDano{"MasDe255NumerosDeColumna", 3, [](TBytes& t) { t.Pon16(t.Definicion() * CC_PAGINA + 41, 256); },
              "tabla \"tDatos\", número de columnas"},
        TDano{"NumeroDeColumnaFuera", 3, [](TBytes& t) { t.Pon16(t.Definicion() * CC_PAGINA + 63 + 25 * 1 + 5, 0x81); },
              "tabla \"tDatos\", número de columna"},
        TDano{"PrecisionDecimalNula", 4, [](TBytes& t) { t.b[t.Definicion() * CC_PAGINA + 63 + 25 * 1 + 11] = 0; },
              "tabla \"tDatos\", precisión y escala de una columna decimal"},
        TDano{"DecimalMayorQueSuPrecision", 4, [](TBytes& t) { t.b[t.Definicion() * CC_PAGINA + 63 + 25 * 1 + 11] = 3; },
              "tabla \"tDatos\", valor decimal fuera de su precisión"},
        // A damaged catalogue made tCompUsr seem missing, read as "users connected".
        TDano{"NombreDeTablaEnElCatalogo", 0,
              [](TBytes& t) {
                const quint32 nCatalogo = t.PaginasDe(1, 2).value(0);
                const bool bCompacto = t.b.mid(nCatalogo * CC_PAGINA, CC_PAGINA).contains("tDatos");
                t.Reemplaza(bCompacto ? "tDatos" : Ucs2("tDatos"), QByteArray(1, '\x01'), nCatalogo);
              },
              "catálogo de objetos"},
        // Header damage was reported as a wrong password.
        TDano{"FechaDeCreacionDeLaCabecera", 0, [](TBytes& t) { t.b[0x78] = char(t.b[0x78] ^ 0x10); },
              "cabecera del archivo"}),
    [](const testing::TestParamInfo<TDano>& Info) { return std::string(Info.param.pNombre); });

// Access keeps a deleted column's number and variable slot until the file is compacted: more
// variable slots than columns is no damage (public readers' test files have such tables).
TEST(ColumnasBorradas, SusHuecosNoSonDano) {
  QTemporaryDir Dir;
  const QString sRuta = Dir.filePath(QStringLiteral("borradas.mdb"));
  {
    mdbgen::TEscritorMdb Escritor(sRuta);
    Escritor.IniciaTabla(QStringLiteral("tDatos"), {{"Id", TTipo::Long}, {"Nombre", TTipo::Text, 20}});
    Escritor.AgregaFila({qint64(1), QStringLiteral("uno")});
    Escritor.AgregaFila({qint64(2), QStringLiteral("dos")});
    Escritor.TerminaTabla();
    Escritor.Termina();
  }
  QFile Archivo(sRuta);
  ASSERT_TRUE(Archivo.open(QIODevice::ReadWrite));
  TBytes Bytes{Archivo.readAll()};
  const qsizetype nDef = Bytes.Definicion() * CC_PAGINA;
  Bytes.Pon16(nDef + 41, 4);  // two columns added and deleted: the next number is 4 ...
  Bytes.Pon16(nDef + 43, 3);  // ... and their variable slots stay counted
  Archivo.seek(0);
  Archivo.write(Bytes.b);
  Archivo.close();
  const QList<QVariantList> Filas = Lee(Conecta(sRuta), QStringLiteral("SELECT Id, Nombre FROM tDatos ORDER BY Id"),
                                        {QStringLiteral("Id"), QStringLiteral("Nombre")});
  EXPECT_EQ(Filas, (QList<QVariantList>{{1, QStringLiteral("uno")}, {2, QStringLiteral("dos")}}));
}

// Found by the fuzzer: SQLite's "object name reserved for internal use" reached the user.
TEST(NombreReservado, SeRechazaEnEspanol) {
  QTemporaryDir Dir;
  const QString sRuta = Dir.filePath(QStringLiteral("reservado.mdb"));
  mdbgen::TEscritorMdb Escritor(sRuta);
  Escritor.IniciaTabla(QStringLiteral("sqlite_datos"), {{"Id", TTipo::Long}});
  Escritor.AgregaFila({qint64(1)});
  Escritor.TerminaTabla();
  Escritor.Termina();
  const ado::EErrorADO Error = ErrorDe([&] { Lee(Conecta(sRuta), QStringLiteral("SELECT * FROM sqlite_datos"), {}); });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConsultaADO"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("La tabla \"sqlite_datos\" de la base de datos \"%1\" no se puede leer: los "
                                            "nombres que empiezan por \"sqlite_\" están reservados.")
                                 .arg(sRuta));
}

}  // namespace
