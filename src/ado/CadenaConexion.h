#pragma once

#include <QMap>
#include <QString>

namespace ado {

// "Key=Value;..." as OLE DB writes it: keys ignore case and surrounding blanks,
// values may be quoted with " or ' (a doubled quote stands for itself).
class TCadenaConexion {
 public:
  explicit TCadenaConexion(const QString& sCadena);  // throws EErrorADO on a malformed string
  QString Valor(const QString& sClave) const;        // empty when absent
  bool Tiene(const QString& sClave) const;

 private:
  QMap<QString, QString> F_Valores;  // lower-case key -> value
};

// What opening an Access file needs from a connection string; throws
// EErrorADO for a provider other than Jet 4.0 or a missing data source.
struct TDatosJet {
  QString sRuta;
  QString sPassword;
};
TDatosJet DatosJet(const QString& sCadena);

}  // namespace ado
