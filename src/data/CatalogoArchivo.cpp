#include "data/CatalogoArchivo.h"

#include "tables/TablaMemoria.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace {

const QString CC_ENCABEZADO = QStringLiteral("IdLocalidad,IdEstado,Localidad,Clave");
constexpr int CC_LARGO_NOMBRE = 45;

QString Texto(const QByteArray& Bytes)
{
  QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString sTexto = Utf8.decode(Bytes);
  if (Utf8.hasError())
    sTexto = QString::fromLatin1(Bytes);
  if (sTexto.startsWith(QChar(0xFEFF)))
    sTexto.remove(0, 1);
  return sTexto;
}

QSet<int> Estados(const TTablaMemoria& vtEstados)
{
  TTablaMemoria Tabla = vtEstados;
  Tabla.SetFiltered(false);
  Tabla.Open();
  QSet<int> Ids;
  for (Tabla.First(); !Tabla.Eof(); Tabla.Next())
    Ids.insert(Tabla.CampoEntero(QStringLiteral("IdEstado")));
  return Ids;
}

// What is wrong with one row, or nothing.
std::optional<QString> RevisaFila(const QStringList& Valores, const QSet<int>& IdsEstado,
                                  QSet<QString>& Claves)
{
  if (Valores.size() != 4)
    return QStringLiteral("tiene %1 valores y deben ser 4 (%2)").arg(Valores.size()).arg(CC_ENCABEZADO);
  static const QRegularExpression reEntero(QStringLiteral("^[0-9]+$"));
  if (!reEntero.match(Valores[0]).hasMatch())
    return QStringLiteral("IdLocalidad \"%1\" no es un número entero").arg(Valores[0]);
  if (!reEntero.match(Valores[1]).hasMatch() || !IdsEstado.contains(Valores[1].toInt()))
    return QStringLiteral("IdEstado \"%1\" no es un estado o país del catálogo de estados")
        .arg(Valores[1]);
  if (Valores[2].trimmed().isEmpty())
    return QStringLiteral("falta el nombre de la localidad");
  if (Valores[2].size() > CC_LARGO_NOMBRE)
    return QStringLiteral("el nombre \"%1\" tiene %2 caracteres; el máximo es %3")
        .arg(Valores[2])
        .arg(Valores[2].size())
        .arg(CC_LARGO_NOMBRE);
  static const QRegularExpression reClave(QStringLiteral("^[0-9]{8}$"));
  if (!reClave.match(Valores[3]).hasMatch())
    return QStringLiteral("la clave \"%1\" no tiene 8 dígitos").arg(Valores[3]);
  if (Claves.contains(Valores[3]))
    return QStringLiteral("la clave %1 está repetida").arg(Valores[3]);
  Claves.insert(Valores[3]);
  return {};
}

}  // namespace

std::optional<QString> CargaCatalogoLocalidades(const QString& sRuta, const TTablaMemoria& vtEstados,
                                                TTablaMemoria& vLocalidades)
{
  const QString sNombre = QDir::toNativeSeparators(sRuta);
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    return QStringLiteral("No se pudo leer el catálogo de localidades %1.").arg(sNombre);
  const QStringList Lineas = Texto(Archivo.readAll()).split(u'\n');
  const auto Error = [&sNombre](qsizetype nLinea, const QString& sProblema) {
    return QStringLiteral("Catálogo de localidades %1, línea %2: %3.").arg(sNombre).arg(nLinea + 1).arg(sProblema);
  };
  if (Lineas.first().trimmed() != CC_ENCABEZADO)
    return Error(0, QStringLiteral("se esperaba el encabezado %1").arg(CC_ENCABEZADO));
  const QSet<int> IdsEstado = Estados(vtEstados);
  QSet<QString> Claves;
  QList<QStringList> Filas;
  for (qsizetype i = 1; i < Lineas.size(); ++i) {
    const QString sLinea = Lineas[i].trimmed();
    if (sLinea.isEmpty())
      continue;
    QStringList Valores = sLinea.split(u',');
    for (QString& sValor : Valores)
      sValor = sValor.trimmed();
    if (auto sProblema = RevisaFila(Valores, IdsEstado, Claves))
      return Error(i, *sProblema);
    Filas.append(Valores);
  }
  if (Filas.isEmpty())
    return QStringLiteral("El catálogo de localidades %1 no tiene ninguna localidad.").arg(sNombre);
  vLocalidades = TTablaMemoria(CC_ENCABEZADO.split(u','), std::move(Filas));
  return {};
}
