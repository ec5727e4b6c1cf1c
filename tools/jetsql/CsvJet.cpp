#include "jetsql/CsvJet.h"

#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "ado/FechaADO.h"
#include "ado/jet/ExactoJet.h"

#include <sqlite3.h>
#include <cmath>
#include <memory>

namespace jetsql {
namespace {

struct TFinaliza {
  void operator()(sqlite3_stmt* p) const { sqlite3_finalize(p); }
};

QString Comillas(const QString& s) {
  QString sCopia = s;
  return u'"' + sCopia.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString CampoCsv(const QString& s) {
  const bool bComillas = s.contains(u',') || s.contains(u'"') || s.contains(u'\n') || s.contains(u'\r');
  return bComillas ? Comillas(s) : s;
}

QString TextoValor(sqlite3_stmt* p, int c, ado::jet::TTipoJet tipo) {
  switch (sqlite3_column_type(p, c)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
      if (tipo == ado::jet::TTipoJet::Fecha)
        return ado::FechaDeDiaJet(sqlite3_column_double(p, c)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
      if (tipo == ado::jet::TTipoJet::Moneda && sqlite3_column_type(p, c) == SQLITE_INTEGER)
        return QString::fromLatin1(ado::jet::TextoMoneda(sqlite3_column_int64(p, c)));
      if (sqlite3_column_type(p, c) == SQLITE_INTEGER) return QString::number(sqlite3_column_int64(p, c));
      return QString::number(sqlite3_column_double(p, c), 'g', QLocale::FloatingPointShortest);
    }
    case SQLITE_TEXT:
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(p, c)), sqlite3_column_bytes(p, c));
    default: {
      const QByteArray s(static_cast<const char*>(sqlite3_column_blob(p, c)), sqlite3_column_bytes(p, c));
      if (tipo == ado::jet::TTipoJet::Decimal)
        if (const auto decimal = ado::jet::TDecimalJet::DeClave(s)) return QString::fromLatin1(decimal->Texto());
      return QString::fromLatin1(s.toHex());
    }
  }
}

}  // namespace

QString CadenaJet(const QString& sRuta, const QString& sPassword) {
  QString s = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + Comillas(sRuta);
  if (!sPassword.isEmpty()) s += QStringLiteral(";Jet OLEDB:Database Password=") + Comillas(sPassword);
  return s;
}

QString ConsultaCsv(ado::TConexionADO& Conexion, const QString& sSQL, const ado::jet::TParametrosJet& Parametros) {
  const ado::jet::TSentenciaJet Preparada = Conexion.Prepara(sSQL, Parametros);
  const std::unique_ptr<sqlite3_stmt, TFinaliza> Sentencia(Preparada.pSentencia);
  sqlite3_stmt* p = Sentencia.get();
  const int nColumnas = sqlite3_column_count(p);
  QStringList Campos;
  for (int c = 0; c < nColumnas; ++c) Campos << CampoCsv(QString::fromUtf8(sqlite3_column_name(p, c)));
  QString sCsv = Campos.join(u',') + u'\n';
  int nResultado;
  while ((nResultado = sqlite3_step(p)) == SQLITE_ROW) {
    Campos.clear();
    for (int c = 0; c < nColumnas; ++c) Campos << CampoCsv(TextoValor(p, c, Preparada.tipos[size_t(c)]));
    sCsv += Campos.join(u',') + u'\n';
  }
  if (nResultado != SQLITE_DONE)
    throw ado::EErrorADO(ado::CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(p))));
  return sCsv;
}

}  // namespace jetsql
