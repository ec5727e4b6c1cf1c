// Files written from JSON read back by mdbtools' commands and by libmdb.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LeeMdb.h"
#include "mdbgen/EscritorMdb.h"

namespace {

class MdbgenIdaYVuelta : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    F_qDir = new QTemporaryDir;
    QFile json(QStringLiteral(ENCUESTA_TEST_DATA "/datos/todos_los_tipos.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    F_sRuta = F_qDir->filePath(QStringLiteral("tipos.mdb"));
    mdbgen::EscribeDesdeJson(json.readAll(), F_sRuta);
  }
  static void TearDownTestSuite() { delete F_qDir; }
  static inline QTemporaryDir* F_qDir = nullptr;
  static inline QString F_sRuta;
};

TEST_F(MdbgenIdaYVuelta, EsJet4ConSusTablasYColumnas) {
  EXPECT_EQ(LeeMdb::Comando("mdb-ver", {F_sRuta}), "JET4\n");
  EXPECT_EQ(LeeMdb::Comando("mdb-tables", {"-1", F_sRuta}), "Tipos y Valores\nFechas Antiguas\nVacía\n");
  EXPECT_TRUE(LeeMdb::Comando("mdb-tables", {"-1", "-S", F_sRuta}).contains("MSysObjects\n"));
  const QString sEsquema = LeeMdb::Comando("mdb-schema", {F_sRuta});
  EXPECT_TRUE(
      sEsquema.contains("CREATE TABLE [Tipos y Valores]\n (\n"
                        "\t[Id]\t\t\tLong Integer, \n"
                        "\t[Activo]\t\t\tBoolean NOT NULL, \n"
                        "\t[Nivel]\t\t\tByte, \n"
                        "\t[Entero]\t\t\tInteger, \n"
                        "\t[Proporción]\t\t\tSingle, \n"
                        "\t[Importe en Pesos]\t\t\tCurrency, \n"
                        "\t[Tasa]\t\t\tDouble, \n"
                        "\t[Fecha de Alta]\t\t\tDateTime, \n"
                        "\t[Clave]\t\t\tText (10), \n"
                        "\t[Descripción]\t\t\tText (255), \n"
                        "\t[Observación]\t\t\tMemo/Hyperlink (255)\n);"))
      << qPrintable(sEsquema);
}

TEST_F(MdbgenIdaYVuelta, MdbExportMuestraLosValoresExactos) {
  QString sExportado = LeeMdb::Exporta(F_sRuta, "Tipos y Valores");
  // mdbtools 1.0 reads the deleted-row flag as another one and still exports the row.
  sExportado.remove(
      "4,0,7,-1,0,922337203685477.5807,1e+300,\"2099-12-31 23:59:59\",\"borrada\",\"fila borrada\",\"x\"\n");
  EXPECT_EQ(sExportado,
            "Id,Activo,Nivel,Entero,Proporción,Importe en Pesos,Tasa,Fecha de Alta,Clave,Descripción,Observación\n"
            "1,1,0,-32768,1.5,1234.5678,0.1,\"2015-01-02 13:45:10\",\"ÑU\",\"Pingüino Ñandú áéíóú ÁÉÍÓÚ Üü ¿¡\",\"Memo "
            "corto\"\n"
            "2,0,255,32767,-3.25,-0.0001,-25000000000,\"1900-01-01 00:00:00\",,\"€ y Ā\",\n"
            "3,1,,,,,,,,,\n"
            "5,1,1,2,3,-922337203685477.5808,-1,\"2015-06-30 00:00:00\",\"A\",\"ab\",\"Ñ\"\n"
            "6,0,2,-2147,-0.5,19.9900,3.141592653589793,\"2011-03-04 05:06:07\",\"2147483647\","
            "\"\"\"comillas\"\" y \\ barra\",\"línea 1\nlínea 2\"\n");
  EXPECT_EQ(LeeMdb::Comando("mdb-count", {F_sRuta, "Tipos y Valores"}), "5\n");
  EXPECT_EQ(LeeMdb::Exporta(F_sRuta, "Vacía"), "Único\n");
  EXPECT_EQ(LeeMdb::Comando("mdb-count", {F_sRuta, "Vacía"}), "0\n");
}

TEST_F(MdbgenIdaYVuelta, LibmdbVeLaFilaBorradaConLaBanderaDeAccess) {
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(F_sRuta, "Tipos y Valores");
  ASSERT_TRUE(tabla.bAbierta);
  EXPECT_EQ(tabla.nTipoMapa, 0);  // a few pages: inline usage map
  ASSERT_EQ(tabla.filas.size(), 6u);
  for (const LeeMdb::TFila& fila : tabla.filas)
    EXPECT_EQ(fila.nBanderas, fila.valores[0] == "4" ? 0x8000 : 0) << qPrintable(fila.valores[0]);
  EXPECT_EQ(tabla.filas[0].valores.mid(8), QStringList({"ÑU", "Pingüino Ñandú áéíóú ÁÉÍÓÚ Üü ¿¡", "Memo corto"}));
}

TEST_F(MdbgenIdaYVuelta, FechasAntiguasGuardanElDiaDeJet) {
  const LeeMdb::TTabla tabla = LeeMdb::ConLibmdb(F_sRuta, "Fechas Antiguas");
  const double esperados[] = {-18095.5, -1.25, 0, -657434, 2958465 + 86399.0 / 86400, -148732.75};
  ASSERT_EQ(tabla.filas.size(), std::size(esperados));
  for (size_t i = 0; i < std::size(esperados); ++i)
    EXPECT_DOUBLE_EQ(tabla.filas[i].valores[1].toDouble(), esperados[i]) << "fila " << i;
}

}  // namespace
