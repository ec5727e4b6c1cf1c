#include "app/EntornoVentana.h"

#include "app/TraduccionesQt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const char* const CC_LETRAS_TAHOMA[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/tahomabd.ttf"};

}  // namespace

void PreparaEntornoVentana(QApplication& Aplicacion)
{
  // Where QSettings keeps the little the window remembers (the last PDF folder).
  QCoreApplication::setOrganizationName(QStringLiteral("Tolvex"));
  QCoreApplication::setApplicationName(QStringLiteral("EncuestaGAFI2016"));
  if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
    for (const char* sArchivo : CC_LETRAS_TAHOMA)
      QFontDatabase::addApplicationFont(QString::fromLatin1(sArchivo));
  }
  auto* Traductor = new TTraduccionesQt(&Aplicacion);
  Traductor->CargaQt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  QCoreApplication::installTranslator(Traductor);
  // Qt's dialogs name file types, sizes and dates in the default locale's language.
  // Numbers we read and write keep the system's regional format (QLocale::system()).
  if (QLocale::system().language() != QLocale::Spanish)
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::system().territory()));
}
