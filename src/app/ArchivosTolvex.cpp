#include "app/ArchivosTolvex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString BuscaEnCarpeta(const QDir& Carpeta, const QString& sNombre)
{
  if (Carpeta.exists(sNombre))
    return Carpeta.filePath(sNombre);
  const QStringList Entradas =
      Carpeta.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& sEntrada : Entradas) {
    if (sEntrada.compare(sNombre, Qt::CaseInsensitive) == 0)
      return Carpeta.filePath(sEntrada);
  }
  return {};
}

}  // namespace

QString BuscaArchivo(const QString& sCarpeta, const QString& sRelativa)
{
  QString sRuta = sCarpeta.isEmpty() ? QStringLiteral(".") : sCarpeta;
  const QStringList Partes = sRelativa.split(u'/', Qt::SkipEmptyParts);
  for (const QString& sParte : Partes) {
    if (!QFileInfo(sRuta).isDir())
      return {};
    sRuta = BuscaEnCarpeta(QDir(sRuta), sParte);
    if (sRuta.isEmpty())
      return {};
  }
  return QFileInfo(sRuta).isFile() ? sRuta : QString();
}

int LeeEnteroIni(const QString& sRuta, const QString& sSeccion, const QString& sClave,
                 int nDefecto)
{
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    return nDefecto;
  // The back office writes its INI in the Windows code page; only ASCII names matter here.
  QByteArray Bytes = Archivo.readAll();
  if (Bytes.startsWith("\xEF\xBB\xBF"))
    Bytes.remove(0, 3);
  const QString sContenido = QString::fromLatin1(Bytes);
  bool bEnSeccion = false;
  for (QString sLinea : sContenido.split(u'\n')) {
    sLinea = sLinea.trimmed();
    if (sLinea.startsWith(u'[') && sLinea.endsWith(u']')) {
      bEnSeccion = sLinea.mid(1, sLinea.size() - 2).trimmed().compare(sSeccion,
                                                                       Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype nIgual = sLinea.indexOf(u'=');
    if (!bEnSeccion || nIgual < 0 ||
        sLinea.left(nIgual).trimmed().compare(sClave, Qt::CaseInsensitive) != 0)
      continue;
    bool bOk = false;
    const int nValor = sLinea.mid(nIgual + 1).trimmed().toInt(&bOk);
    return bOk ? nValor : nDefecto;
  }
  return nDefecto;
}
