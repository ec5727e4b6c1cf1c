#include "report/ExportadorJSON.h"

#include "base/ErrorSistema.h"
#include "report/Reporte.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

// A JSON string literal; QJsonObject would sort the keys, and the order matters.
QByteArray TextoJSON(const QString& sTexto)
{
  const QByteArray Arreglo = QJsonDocument(QJsonArray{sTexto}).toJson(QJsonDocument::Compact);
  return Arreglo.mid(1, Arreglo.size() - 2);
}

}  // namespace

QByteArray VariablesComoJSON(const TReporte& Reporte)
{
  QByteArray Salida = "{\n";
  const QStringList Nombres = Reporte.NombresVariables();
  for (int i = 0; i < Nombres.size(); ++i) {
    const std::optional<QString> sTexto = Reporte.TextoImpreso(Nombres[i]);
    Salida += "  " + TextoJSON(Nombres[i]) + ": " + (sTexto ? TextoJSON(*sTexto) : "null");
    Salida += i + 1 < Nombres.size() ? ",\n" : "\n";
  }
  return Salida + "}\n";
}

bool ExportaJSON(const TReporte& Reporte, const QString& sRuta, QString& sError)
{
  return EscribeArchivo(sRuta, VariablesComoJSON(Reporte), sError);
}

bool EscribeArchivo(const QString& sRuta, const QByteArray& Datos, QString& sError)
{
  QSaveFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::WriteOnly) || Archivo.write(Datos) < 0 || !Archivo.commit()) {
    sError = QStringLiteral("No se pudo escribir %1: %2").arg(sRuta, ExplicaErrorSistema(Archivo.errorString()));
    return false;
  }
  return true;
}
