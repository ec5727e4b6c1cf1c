#include "ado/ConsultaADO.h"

#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "ado/FechaADO.h"
#include "ado/SentenciaSQLite.h"
#include "ado/jet/ExactoJet.h"
#include "ado/jet/ValorSQLite.h"

#include <sqlite3.h>
#include <memory>

namespace ado {
namespace {

// Currency and Decimal reach the caller as the double nearest them, as a Variant's Double.
QVariant ValorDe(sqlite3_stmt* pSentencia, int nColumna, jet::TTipoJet tipo) {
  const bool bFecha = tipo == jet::TTipoJet::Fecha;
  switch (sqlite3_column_type(pSentencia, nColumna)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER:
      if (tipo == jet::TTipoJet::Moneda) return jet::DobleDeDiezmilesimas(sqlite3_column_int64(pSentencia, nColumna));
      if (bFecha) return FechaDeDiaJet(double(sqlite3_column_int64(pSentencia, nColumna)));
      return qint64(sqlite3_column_int64(pSentencia, nColumna));
    case SQLITE_FLOAT:
      if (bFecha) return FechaDeDiaJet(sqlite3_column_double(pSentencia, nColumna));
      return sqlite3_column_double(pSentencia, nColumna);
    case SQLITE_TEXT:
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(pSentencia, nColumna)),
                               sqlite3_column_bytes(pSentencia, nColumna));
    default: {
      const QByteArray s(static_cast<const char*>(sqlite3_column_blob(pSentencia, nColumna)),
                         sqlite3_column_bytes(pSentencia, nColumna));
      if (tipo == jet::TTipoJet::Decimal)
        if (const auto decimal = jet::TDecimalJet::DeClave(s)) return decimal->Doble();
      return s;
    }
  }
}

}  // namespace

void TConsultaADO::SetConnection(std::weak_ptr<TConexionADO> Conexion) { F_Conexion = std::move(Conexion); }

void TConsultaADO::Close() {
  F_bActiva = false;
  F_sColumnas.clear();
  F_Filas.clear();
  F_nFila = 0;
}

bool TConsultaADO::Active() const { return F_bActiva; }
void TConsultaADO::SetSQL(const QString& sSQL) { F_sSQL = sSQL; }
QString TConsultaADO::SQL() const { return F_sSQL; }
void TConsultaADO::ClearSQL() { F_sSQL.clear(); }

void TConsultaADO::Open() {
  Close();
  const std::shared_ptr<TConexionADO> Conexion = F_Conexion.lock();
  if (!Conexion || !Conexion->Connected())
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("La consulta no tiene una conexión abierta."));
  const jet::TSentenciaJet Preparada = Conexion->Prepara(F_sSQL);
  const PSentencia Sentencia(Preparada.pSentencia);
  sqlite3_stmt* p = Sentencia.get();
  const int nColumnas = sqlite3_column_count(p);
  if (nColumnas == 0)
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("La instrucción no devuelve filas."));
  QStringList sColumnas;
  for (int c = 0; c < nColumnas; ++c) sColumnas << QString::fromUtf8(sqlite3_column_name(p, c));
  QList<QList<QVariant>> Filas;
  int nResultado;
  while ((nResultado = sqlite3_step(p)) == SQLITE_ROW) {
    QList<QVariant> Fila;
    Fila.reserve(nColumnas);
    for (int c = 0; c < nColumnas; ++c) Fila << ValorDe(p, c, Preparada.tipos[size_t(c)]);
    Filas << Fila;
  }
  if (nResultado != SQLITE_DONE)
    throw EErrorADO(CC_ERROR_CONSULTA, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(p))));
  F_sColumnas = sColumnas;
  F_Filas = std::move(Filas);
  F_bActiva = true;
}

void TConsultaADO::ExecSQL() {
  throw EErrorADO(CC_ERROR_CONSULTA,
                  QStringLiteral("La base de datos se abre solo para lectura: no se ejecutan instrucciones que la modifiquen."));
}

bool TConsultaADO::IsEmpty() const { return F_Filas.isEmpty(); }
int TConsultaADO::RecordCount() const { return int(F_Filas.size()); }
void TConsultaADO::First() { F_nFila = 0; }

void TConsultaADO::Next() {
  if (F_nFila < F_Filas.size()) ++F_nFila;
}

bool TConsultaADO::Eof() const { return F_nFila >= F_Filas.size(); }

QVariant TConsultaADO::FieldByName(const QString& sCampo) const {
  qsizetype n = -1;
  for (qsizetype i = 0; i < F_sColumnas.size() && n < 0; ++i)
    if (F_sColumnas[i].compare(sCampo, Qt::CaseInsensitive) == 0) n = i;
  if (n < 0)
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("El campo \"%1\" no existe en el resultado.").arg(sCampo));
  if (!F_bActiva || Eof())
    throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("No hay una fila actual: la consulta está cerrada o al final."));
  return F_Filas[F_nFila][n];
}

}  // namespace ado
