#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace ado {

class TConexionADO;

// Query object: runs one row-returning Jet statement and keeps its whole result.
class TConsultaADO {
 public:
  void SetConnection(std::weak_ptr<TConexionADO> Conexion);  // borrowed: the registry owns it
  void Close();
  bool Active() const;
  void SetSQL(const QString& sSQL);
  QString SQL() const;
  void ClearSQL();
  void Open();     // throws EErrorADO
  void ExecSQL();  // throws EErrorADO: the engine is read-only
  bool IsEmpty() const;
  int RecordCount() const;
  void First();
  void Next();
  bool Eof() const;
  // Case-insensitive; throws EErrorADO when absent. Null, qint64, double,
  // QString, QDateTime (Date columns, stored or computed) or QByteArray.
  QVariant FieldByName(const QString& sCampo) const;

 private:
  std::weak_ptr<TConexionADO> F_Conexion;
  QString F_sSQL;
  bool F_bActiva = false;
  QStringList F_sColumnas;
  QList<QList<QVariant>> F_Filas;
  int F_nFila = 0;
};

}  // namespace ado
