#include "report/Fuentes.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

void RegistraFuentesReporte()
{
  static bool bRegistradas = false;
  if (bRegistradas || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return;
  bRegistradas = true;
  const QDir carpetaWine("/usr/share/wine/fonts");
  for (const QString& sArchivo : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")})
    if (carpetaWine.exists(sArchivo))
      QFontDatabase::addApplicationFont(carpetaWine.filePath(sArchivo));
  if (!QFontDatabase::hasFamily("Arial"))
    QFont::insertSubstitution("Arial", "Liberation Sans");
  if (!QFontDatabase::hasFamily("Arial Narrow"))
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
}
