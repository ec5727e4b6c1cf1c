#include "ado/ConsultaADO.h"

#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"

namespace ado {

void TConsultaADO::SetConnection(std::weak_ptr<TConexionADO> Conexion) { F_Conexion = std::move(Conexion); }
void TConsultaADO::Close() { F_bActiva = false; F_Filas.clear(); F_sColumnas.clear(); F_nFila = 0; }
bool TConsultaADO::Active() const { return F_bActiva; }
void TConsultaADO::SetSQL(const QString& sSQL) { F_sSQL = sSQL; }
QString TConsultaADO::SQL() const { return F_sSQL; }
void TConsultaADO::ClearSQL() { F_sSQL.clear(); }
void TConsultaADO::Open() { throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("Sin implementar.")); }
void TConsultaADO::ExecSQL() { throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("Sin implementar.")); }
bool TConsultaADO::IsEmpty() const { return F_Filas.isEmpty(); }
int TConsultaADO::RecordCount() const { return int(F_Filas.size()); }
void TConsultaADO::First() { F_nFila = 0; }
void TConsultaADO::Next() { ++F_nFila; }
bool TConsultaADO::Eof() const { return F_nFila >= F_Filas.size(); }
QVariant TConsultaADO::FieldByName(const QString&) const { return {}; }

}  // namespace ado
