#include "LeeMdb.h"

#include <gtest/gtest.h>
#include <mdbtools.h>

#include <QFile>
#include <QProcess>
#include <cstring>
#include <memory>

namespace LeeMdb {

QString Comando(const QString& sPrograma, const QStringList& argumentos) {
  QProcess proceso;
  proceso.start(sPrograma, argumentos);
  const bool bTermino = proceso.waitForFinished(120000);
  EXPECT_TRUE(bTermino && proceso.exitStatus() == QProcess::NormalExit && proceso.exitCode() == 0)
      << qPrintable(sPrograma) << ": " << proceso.readAllStandardError().constData();
  return QString::fromUtf8(proceso.readAllStandardOutput());
}

QString Exporta(const QString& sRuta, const QString& sTabla) {
  return Comando(QStringLiteral("mdb-export"),
                 {QStringLiteral("-T"), QStringLiteral("%Y-%m-%d %H:%M:%S"), sRuta, sTabla});
}

TTabla ConLibmdb(const QString& sRuta, const QString& sTabla) {
  TTabla resultado;
  const QByteArray ruta = QFile::encodeName(sRuta);
  std::unique_ptr<MdbHandle, decltype(&mdb_close)> mdb(mdb_open(ruta.constData(), MDB_NOFLAGS), &mdb_close);
  if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE)) return resultado;
  constexpr size_t CC_nLugar = 1 << 20;
  mdb_set_bind_size(mdb.get(), CC_nLugar);
  std::unique_ptr<MdbTableDef, decltype(&mdb_free_tabledef)> tabla(
      mdb_read_table_by_name(mdb.get(), sTabla.toUtf8().data(), MDB_TABLE), &mdb_free_tabledef);
  if (!tabla || !mdb_read_columns(tabla.get())) return resultado;
  resultado.bAbierta = true;
  resultado.nTipoMapa = tabla->usage_map[0];
  const unsigned nColumnas = tabla->num_cols;
  std::vector<std::vector<char>> lugares(nColumnas, std::vector<char>(CC_nLugar));
  for (unsigned i = 0; i < nColumnas; ++i) mdb_bind_column(tabla.get(), int(i) + 1, lugares[i].data(), nullptr);
  tabla->noskip_del = 1;  // newer libmdb skips deleted rows; we want to see their flags
  mdb_rewind_table(tabla.get());
  while (mdb_fetch_row(tabla.get())) {
    TFila fila;
    const int nFila = int(tabla->cur_row) - 1;
    fila.nBanderas = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset + 2 + 2 * nFila) & 0xC000;
    for (unsigned i = 0; i < nColumnas; ++i) {
      auto* columna = static_cast<MdbColumn*>(g_ptr_array_index(tabla->columns, i));
      if (columna->col_type == MDB_DATETIME && columna->cur_value_len == 8) {
        double d;
        std::memcpy(&d, mdb->pg_buf + columna->cur_value_start, sizeof d);
        fila.valores << QString::number(d, 'g', 17);
      } else {
        fila.valores << QString::fromUtf8(lugares[i].data());
      }
    }
    resultado.filas.push_back(fila);
  }
  return resultado;
}

QByteArray Bytes(const QString& sRuta, qint64 nDesde, qint64 nCuantos) {
  QFile archivo(sRuta);
  if (!archivo.open(QIODevice::ReadOnly) || !archivo.seek(nDesde)) return {};
  return archivo.read(nCuantos);
}

}  // namespace LeeMdb
