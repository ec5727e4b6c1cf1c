#pragma once
// Reading our files back the way other programs do: mdbtools' commands and libmdb.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

// Readable QString in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace LeeMdb {

// Standard output of an mdbtools command (mdb-export, mdb-schema, ...); empty and a
// failed test when it does not exit cleanly.
QString Comando(const QString& sPrograma, const QStringList& argumentos);
// mdb-export with full dates.
QString Exporta(const QString& sRuta, const QString& sTabla);

struct TFila {
  QStringList valores;    // libmdb's text; DateTime columns as the stored day number
  quint16 nBanderas = 0;  // high bits of the row's offset word
};
struct TTabla {
  std::vector<TFila> filas;  // libmdb 1.0 also returns rows flagged deleted
  quint8 nTipoMapa = 0xFF;   // first byte of the used-pages map
  bool bAbierta = false;
};
TTabla ConLibmdb(const QString& sRuta, const QString& sTabla);

QByteArray Bytes(const QString& sRuta, qint64 nDesde, qint64 nCuantos);

}  // namespace LeeMdb
