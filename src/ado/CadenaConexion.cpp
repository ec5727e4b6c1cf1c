#include "ado/CadenaConexion.h"

#include "ado/ErrorADO.h"

namespace ado {
namespace {

const QString CC_PROVEEDOR_JET = QStringLiteral("microsoft.jet.oledb.4.0");

[[noreturn]] void Malformada(const QString& sDetalle) {
  throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("Cadena de conexión no válida: %1.").arg(sDetalle));
}

// Reads a quoted value starting at nPos (on the quote); leaves nPos after the closing quote.
QString LeeEntreComillas(const QString& sCadena, qsizetype& nPos) {
  const QChar cComilla = sCadena[nPos++];
  QString sValor;
  while (nPos < sCadena.size()) {
    const QChar c = sCadena[nPos++];
    if (c != cComilla) {
      sValor += c;
    } else if (nPos < sCadena.size() && sCadena[nPos] == cComilla) {
      sValor += c;
      ++nPos;
    } else {
      return sValor;
    }
  }
  Malformada(QStringLiteral("falta cerrar una comilla"));
}

}  // namespace

TCadenaConexion::TCadenaConexion(const QString& sCadena) {
  qsizetype nPos = 0;
  while (nPos < sCadena.size()) {
    const qsizetype nIgual = sCadena.indexOf(u'=', nPos);
    const qsizetype nPuntoComa = sCadena.indexOf(u';', nPos);
    if (nIgual < 0 || (nPuntoComa >= 0 && nPuntoComa < nIgual)) {
      const QString sResto = sCadena.mid(nPos, nPuntoComa < 0 ? -1 : nPuntoComa - nPos);
      if (!sResto.trimmed().isEmpty()) Malformada(QStringLiteral("falta \"=\" en \"%1\"").arg(sResto.trimmed()));
      nPos = nPuntoComa < 0 ? sCadena.size() : nPuntoComa + 1;
      continue;
    }
    const QString sClave = sCadena.mid(nPos, nIgual - nPos).trimmed().toLower();
    if (sClave.isEmpty()) Malformada(QStringLiteral("una clave está vacía"));
    nPos = nIgual + 1;
    while (nPos < sCadena.size() && sCadena[nPos].isSpace()) ++nPos;
    QString sValor;
    if (nPos < sCadena.size() && (sCadena[nPos] == u'"' || sCadena[nPos] == u'\'')) {
      sValor = LeeEntreComillas(sCadena, nPos);
      while (nPos < sCadena.size() && sCadena[nPos].isSpace()) ++nPos;
      if (nPos < sCadena.size() && sCadena[nPos] != u';')
        Malformada(QStringLiteral("texto después de la comilla de \"%1\"").arg(sClave));
      ++nPos;
    } else {
      const qsizetype nFin = sCadena.indexOf(u';', nPos);
      sValor = sCadena.mid(nPos, nFin < 0 ? -1 : nFin - nPos).trimmed();
      nPos = nFin < 0 ? sCadena.size() : nFin + 1;
    }
    F_Valores.insert(sClave, sValor);
  }
}

QString TCadenaConexion::Valor(const QString& sClave) const { return F_Valores.value(sClave.toLower()); }

bool TCadenaConexion::Tiene(const QString& sClave) const { return F_Valores.contains(sClave.toLower()); }

TDatosJet DatosJet(const QString& sCadena) {
  const TCadenaConexion Cadena(sCadena);
  const QString sProveedor = Cadena.Valor(QStringLiteral("Provider"));
  if (sProveedor.toLower().startsWith(QStringLiteral("sqloledb")))
    throw EErrorADO(CC_ERROR_CONEXION,
                    QStringLiteral("No hay un proveedor de SQL Server disponible en este equipo (\"%1\"); "
                                   "solo se pueden abrir bases de datos de Access.")
                        .arg(sProveedor));
  if (sProveedor.toLower() != CC_PROVEEDOR_JET)
    throw EErrorADO(CC_ERROR_CONEXION,
                    QStringLiteral("Proveedor no disponible: \"%1\"; solo se admite \"Microsoft.Jet.OLEDB.4.0\".")
                        .arg(sProveedor));
  TDatosJet Datos;
  Datos.sRuta = Cadena.Valor(QStringLiteral("Data Source"));
  if (Datos.sRuta.isEmpty())
    throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("La cadena de conexión no indica el archivo de base de datos (Data Source)."));
  Datos.sPassword = Cadena.Valor(QStringLiteral("Jet OLEDB:Database Password"));
  return Datos;
}

}  // namespace ado
