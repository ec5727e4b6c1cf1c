#include "survey/Soporte.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <future>
#include <tuple>

TSeccionSoporte& TSoporte::Seccion(const QString& sPregunta, const QString& sTitulo)
{
  for (TSeccionSoporte& seccion : Secciones)
    if (seccion.sPregunta == sPregunta)
      return seccion;
  Secciones.append({sPregunta, sTitulo, {}, {}, {}, {}});
  return Secciones.last();
}

TRankingSoporte NuevoRanking(const QString& sTitulo, const QString& sColumnaValor, const QString& sColumnaCifra,
                             int nMostrados, const QStringList& ColumnasExtra)
{
  TRankingSoporte Ranking;
  Ranking.sTitulo = sTitulo;
  Ranking.sColumnaValor = sColumnaValor;
  Ranking.sColumnaCifra = sColumnaCifra;
  Ranking.nMostrados = nMostrados;
  Ranking.ColumnasExtra = ColumnasExtra;
  return Ranking;
}

namespace {

// "A", "A y B", "A, B y C".
QString Enumera(const QStringList& Valores)
{
  if (Valores.size() < 2)
    return Valores.join(QString());
  return Valores.mid(0, Valores.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
         Valores.last();
}

QString Citado(const QString& sValor)
{
  return QStringLiteral("«%1»").arg(sValor);
}

}  // namespace

void MarcaEmpates(TRankingSoporte& Ranking)
{
  if (!Ranking.bOrdenado)
    return;
  QList<bool> Vistas(Ranking.Filas.size(), false);
  for (int i = 0; i < Ranking.Filas.size(); ++i) {
    if (Vistas[i] || !Ranking.Filas[i].bMostrada || Ranking.Filas[i].Cifra.isNull())
      continue;
    QList<int> Grupo;
    for (int j = 0; j < Ranking.Filas.size(); ++j)
      if (!Ranking.Filas[j].Cifra.isNull() &&
          Ranking.Filas[j].Cifra.toDouble() == Ranking.Filas[i].Cifra.toDouble())
        Grupo << j;
    for (int j : Grupo)
      Vistas[j] = true;
    if (Grupo.size() < 2)
      continue;
    TEmpateSoporte Empate;
    Empate.sCifra = Ranking.Filas[i].sCifra;
    QStringList Mostrados;
    QStringList Fuera;
    for (int j : Grupo) {
      TFilaSoporte& fila = Ranking.Filas[j];
      fila.bEmpate = true;
      Empate.Valores << fila.sValor;
      if (fila.bMostrada) {
        Empate.Mostrados << fila.sValor;
        Mostrados << QStringLiteral("%1 en el lugar %2").arg(Citado(fila.sValor)).arg(fila.nLugar);
      } else {
        Fuera << QStringLiteral("%1 (fila %2)").arg(Citado(fila.sValor)).arg(fila.nLugar);
      }
    }
    QStringList Citados;
    for (const QString& sValor : Empate.Valores)
      Citados << Citado(sValor);
    Empate.sExplicacion =
        QStringLiteral("Empate: %1 tienen la misma cifra (%2). El cuestionario muestra %3")
            .arg(Enumera(Citados), Empate.sCifra, Enumera(Mostrados));
    if (!Fuera.isEmpty())
      Empate.sExplicacion += QStringLiteral("; %1 %2 fuera %3")
                                 .arg(Enumera(Fuera),
                                      Fuera.size() > 1 ? QStringLiteral("quedan") : QStringLiteral("queda"),
                                      Ranking.nMostrados == 1
                                          ? QStringLiteral("del único lugar que muestra")
                                          : QStringLiteral("de los %1 lugares que muestra").arg(Ranking.nMostrados));
    Empate.sExplicacion +=
        QStringLiteral(". La consulta ordena solo por la cifra y no desempata: se tomó el orden en que el "
                       "motor de datos entregó las filas.");
    Ranking.Empates << Empate;
  }
}

namespace {

// The file's SHA-256, or why it could not be read.
std::pair<QString, QString> Huella(const QString& sRuta)
{
  QFile Archivo(sRuta);
  QCryptographicHash Hash(QCryptographicHash::Sha256);
  if (!Archivo.open(QIODevice::ReadOnly) || !Hash.addData(&Archivo))
    return {QString(), Archivo.errorString()};
  return {QString::fromLatin1(Hash.result().toHex()), QString()};
}

}  // namespace

TArchivoSoporte DescribeArchivo(const QString& sRol, const QString& sCarpeta, const QString& sRuta)
{
  TArchivoSoporte archivo{sRol, QDir::toNativeSeparators(sCarpeta),
                          QDir::toNativeSeparators(QFileInfo(sRuta).absoluteFilePath()), -1, {}, {}, {}, {}};
  const QFileInfo info(sRuta);
  archivo.nBytes = info.size();
  archivo.Modificado = info.lastModified().toUTC();
  // Where no thread can be started, the hash is computed when it is taken.
  archivo.Huella = std::async(std::launch::async | std::launch::deferred, Huella, sRuta).share();
  return archivo;
}

void CompletaHuellas(TCorridaSoporte& Corrida)
{
  for (TArchivoSoporte& archivo : Corrida.Archivos) {
    if (!archivo.Huella.valid())
      continue;
    std::tie(archivo.sSha256, archivo.sError) = archivo.Huella.get();
    archivo.Huella = {};
  }
}

QDateTime FechaCorrida()
{
  bool bNumero = false;
  const qint64 nSegundos = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&bNumero);
  if (bNumero)
    return QDateTime::fromSecsSinceEpoch(nSegundos, Qt::UTC);
  const QDateTime ahora = QDateTime::currentDateTimeUtc();
  return ahora.addMSecs(-ahora.time().msec());
}
