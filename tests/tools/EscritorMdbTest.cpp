// The writer used as a library: streamed rows, long values, many pages, the password.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "LeeMdb.h"
#include "mdbgen/EscritorMdb.h"

using mdbgen::TColumna;
using mdbgen::TEscritorMdb;
using mdbgen::TTipo;
using mdbgen::TValor;

namespace {

TEST(EscritorMdb, MemosCortosYLargosSeLeenCompletos) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("memos.mdb");
  const QStringList textos = {"corto",                                       // inside the row
                              QString(1000, QChar(u'ñ')),                    // one LVAL row, one byte per character
                              QString(3000, QChar(u'€')),                    // two chained LVAL rows
                              QString("Ñandú y pingüino, ").repeated(2500),  // 45,000 characters over many LVAL pages
                              ""};
  {
    TEscritorMdb escritor(sRuta);
    escritor.IniciaTabla("Notas Largas", {{"Id", TTipo::Long}, {"Texto", TTipo::Memo}, {"Otra Nota", TTipo::Memo}});
    for (int i = 0; i < textos.size(); ++i) escritor.AgregaFila({qint64(i), textos[i], textos[textos.size() - 1 - i]});
    escritor.AgregaFila({qint64(99), std::monostate{}, std::monostate{}});
    escritor.TerminaTabla();
    escritor.Termina();
  }
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(sRuta, "Notas Largas");
  ASSERT_EQ(tabla.filas.size(), 6u);
  for (int i = 0; i < textos.size(); ++i) {
    EXPECT_EQ(tabla.filas[size_t(i)].valores[1], textos[i]) << "fila " << i;
    EXPECT_EQ(tabla.filas[size_t(i)].valores[2], textos[textos.size() - 1 - i]) << "fila " << i;
  }
  const QStringList lineas = LeeMdb::Exporta(sRuta, "Notas Largas").split('\n');
  ASSERT_EQ(lineas.size(), 8);
  EXPECT_EQ(lineas[4], QString("3,\"%1\",\"%2\"").arg(textos[3], textos[1]));
  EXPECT_EQ(lineas[6], "99,,");
}

TEST(EscritorMdb, TablaDeMuchasPaginasConservaOrdenYBorradas) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("grande.mdb");
  constexpr int CC_nFilas = 30000;  // about 900 data pages: the usage map refers to a 0x05 page
  {
    TEscritorMdb escritor(sRuta);
    escritor.IniciaTabla("Operaciones",
                         {{"Folio", TTipo::Long}, {"Concepto", TTipo::Text, 100}, {"Importe", TTipo::Currency}});
    std::vector<TValor> fila(3);
    for (int i = 0; i < CC_nFilas; ++i) {
      fila[0] = qint64(i);
      fila[1] = QString("Operación número %1 de la sucursal Peñón, concepto de prueba").arg(i);
      fila[2] = mdbgen::TMoneda{qint64(i) * 12345 - 5000};
      escritor.AgregaFila(fila, i % 1000 == 7);
    }
    escritor.TerminaTabla();
    escritor.Termina();
  }
  EXPECT_EQ(LeeMdb::Comando("mdb-count", {sRuta, "Operaciones"}), QString::number(CC_nFilas - 30) + "\n");
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(sRuta, "Operaciones");
  EXPECT_EQ(tabla.nTipoMapa, 1);
  ASSERT_EQ(tabla.filas.size(), size_t(CC_nFilas));
  for (int i = 0; i < CC_nFilas; ++i) {
    ASSERT_EQ(tabla.filas[size_t(i)].valores[0], QString::number(i));
    ASSERT_EQ(tabla.filas[size_t(i)].nBanderas, i % 1000 == 7 ? 0x8000 : 0) << i;
  }
  EXPECT_EQ(tabla.filas.back().valores,
            QStringList({"29999", "Operación número 29999 de la sucursal Peñón, concepto de prueba", "37033.2655"}));
}

TEST(EscritorMdb, UnaFilaDemasiadoGrandeSacaSusMemosOSeRechaza) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("llena.mdb");
  TEscritorMdb escritor(sRuta);
  QList<TColumna> memos;
  QList<TColumna> textos;
  std::vector<TValor> filaMemos;
  std::vector<TValor> filaTextos;
  for (int i = 0; i < 20; ++i) {  // 20 memos short enough to stay in the row, but not all of them
    memos.append({QString("Memo %1").arg(i), TTipo::Memo});
    filaMemos.push_back(QString(198, QChar('a' + i)));
  }
  for (int i = 0; i < 10; ++i) {  // 10 full texts of two-byte characters: 5,100 bytes
    textos.append({QString("Texto %1").arg(i), TTipo::Text, 255});
    filaTextos.push_back(QString(255, QChar(u'€')));
  }
  escritor.IniciaTabla("Memos", memos);
  escritor.AgregaFila(filaMemos);
  escritor.TerminaTabla();
  escritor.IniciaTabla("Textos", textos);
  try {
    escritor.AgregaFila(filaTextos);
    ADD_FAILURE() << "sin error";
  } catch (const mdbgen::EErrorMdb& e) {
    EXPECT_STREQ(e.what(), "Tabla \"Textos\", fila 0: la fila ocupa 5128 bytes y el máximo es 4080");
  }
  escritor.TerminaTabla();
  escritor.Termina();
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(sRuta, "Memos");
  ASSERT_EQ(tabla.filas.size(), 1u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(tabla.filas[0].valores[i], std::get<QString>(filaMemos[size_t(i)]));
}

TEST(EscritorMdb, DefinicionEnVariasPaginasYTextoDe255) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("ancha.mdb");
  QList<TColumna> columnas;  // about 30 KB of definition: it continues over several pages
  std::vector<TValor> fila;
  for (int i = 0; i < 200; ++i) {
    columnas.append(
        {QString("Columna número %1 con un nombre largo de año y señal Ñ").arg(i, 3, 10, QChar('0')), TTipo::Byte});
    fila.push_back(qint64(i));
  }
  const QString sLargo = QString("Ñandú pingüino ").repeated(17);  // 255 characters
  columnas.append({"Texto", TTipo::Text, 255});
  fila.push_back(sLargo);
  {
    TEscritorMdb escritor(sRuta);
    escritor.IniciaTabla("Ancha", columnas);
    escritor.AgregaFila(fila);
    escritor.TerminaTabla();
    escritor.Termina();
  }
  const QString sEsquema = LeeMdb::Comando("mdb-schema", {sRuta});
  EXPECT_TRUE(sEsquema.contains(
      "\t[Columna número 199 con un nombre largo de año y señal Ñ]\t\t\tByte, \n\t[Texto]\t\t\tText (255)\n"));
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(sRuta, "Ancha");
  ASSERT_EQ(tabla.filas.size(), 1u);
  ASSERT_EQ(tabla.filas[0].valores.size(), 201);
  EXPECT_EQ(tabla.filas[0].valores[199], "199");
  EXPECT_EQ(tabla.filas[0].valores[200], sLargo);
}

// Access wrote these files on the same creation day (44568) our writer stamps, so the
// obfuscated header must match theirs byte for byte.
TEST(EscritorMdb, LaContrasenaSeGuardaComoEnAccess) {
  QTemporaryDir dir;
  const QString sReal = QStringLiteral(ENCUESTA_SHARED_DIR "/realdata/");
  struct TCaso {
    QString sPassword, sAccess;
  };
  for (const TCaso& caso :
       {TCaso{"password", "access2000-with-password.mdb"}, TCaso{"", "access2003-no-password.mdb"}}) {
    const QString sRuta = dir.filePath(caso.sAccess);
    {
      TEscritorMdb escritor(sRuta, caso.sPassword);
      escritor.IniciaTabla("T", {{"A", TTipo::Long}});
      escritor.TerminaTabla();
      escritor.Termina();
    }
    EXPECT_EQ(LeeMdb::Bytes(sRuta, 0x42, 40).toHex(), LeeMdb::Bytes(sReal + caso.sAccess, 0x42, 40).toHex())
        << qPrintable(caso.sAccess);
    EXPECT_EQ(LeeMdb::Bytes(sRuta, 0x3C, 6).toHex(), "9f46fb8abc4e");  // code page 1252, pages not encoded
    EXPECT_EQ(LeeMdb::Comando("mdb-tables", {"-1", sRuta}), "T\n");
  }
}

TEST(EscritorMdb, SinTerminaNoQuedaNingunArchivo) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("a medias.mdb");
  {
    TEscritorMdb escritor(sRuta);
    escritor.IniciaTabla("T", {{"A", TTipo::Long}});
    escritor.AgregaFila({qint64(1)});
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(EscritorMdb, ElUsoFueraDeOrdenSeRechaza) {
  QTemporaryDir dir;
  TEscritorMdb escritor(dir.filePath("x.mdb"));
  EXPECT_THROW(
      {
        try {
          escritor.AgregaFila({qint64(1)});
        } catch (const mdbgen::EErrorMdb& e) {
          EXPECT_STREQ(e.what(), "No hay una tabla iniciada");
          throw;
        }
      },
      mdbgen::EErrorMdb);
  escritor.IniciaTabla("T", {{"A", TTipo::Long}});
  EXPECT_THROW(escritor.Termina(), mdbgen::EErrorMdb);
  EXPECT_THROW(escritor.AgregaFila({QString("uno")}), mdbgen::EErrorMdb);
  escritor.AgregaFila({qint64(1)});  // a refused row leaves the table usable
  escritor.TerminaTabla();
  escritor.Termina();
  EXPECT_EQ(LeeMdb::Exporta(dir.filePath("x.mdb"), "T"), "A\n1\n");
}

}  // namespace
