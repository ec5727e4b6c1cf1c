#include "app/TraduccionesQt.h"

#include <QRegularExpression>

#include <cstring>

namespace {

struct TTraduccion {
  const char* sContexto;
  const char* sTexto;
  const char* sEspanol;
};

// Lacking in qtbase_es, or wrong there.
const TTraduccion CC_TRADUCCIONES[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "File Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QLineEdit", "&Undo", "&Deshacer"},
    {"QLineEdit", "&Redo", "&Rehacer"},
    {"QLineEdit", "Cu&t", "Cor&tar"},
    {"QLineEdit", "&Copy", "&Copiar"},
    {"QLineEdit", "&Paste", "&Pegar"},
    {"QLineEdit", "Delete", "Eliminar"},
    {"QLineEdit", "Select All", "Seleccionar todo"},
    {"QFileDialog", "Go to the parent directory", "Ir a la carpeta superior"},
    {"QFileDialog", "File Folder", "Carpeta"},
    {"QFileDialog", "Show &hidden files", "Mostrar los arc&hivos ocultos"},
};

struct TPalabra {
  const char* sEspana;
  const char* sMexico;
};

// Same gender and number, so the words around them still agree.
const TPalabra CC_PALABRAS[] = {
    {"fichero", "archivo"},     {"ficheros", "archivos"}, {"apaisado", "horizontal"},
    {"pulsar", "presionar"},    {"pulse", "presione"},    {"pulsa", "presiona"},
    {"ordenador", "equipo"},    {"ordenadores", "equipos"},
};

}  // namespace

QString EnEspanolDeMexico(const QString& sTexto)
{
  static const QRegularExpression rePalabra(QStringLiteral("\\w+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
  QString sMexico;
  qsizetype nHasta = 0;
  for (const QRegularExpressionMatch& m : rePalabra.globalMatch(sTexto)) {
    sMexico += sTexto.mid(nHasta, m.capturedStart() - nHasta);
    QString sPalabra = m.captured();
    for (const TPalabra& Palabra : CC_PALABRAS) {
      if (sPalabra.compare(QLatin1String(Palabra.sEspana), Qt::CaseInsensitive) != 0)
        continue;
      const QString sNueva = QString::fromUtf8(Palabra.sMexico);
      sPalabra = sPalabra.front().isUpper() ? sNueva.front().toUpper() + sNueva.mid(1) : sNueva;
      break;
    }
    sMexico += sPalabra;
    nHasta = m.capturedEnd();
  }
  return sMexico + sTexto.mid(nHasta);
}

bool TTraduccionesQt::CargaQt(const QString& sCarpeta)
{
  return F_QtBase.load(QStringLiteral("qtbase_es"), sCarpeta);
}

QString TTraduccionesQt::translate(const char* sContexto, const char* sTexto,
                                   const char* sAclaracion, int n) const
{
  if (!sContexto || !sTexto)
    return {};
  for (const TTraduccion& Traduccion : CC_TRADUCCIONES)
    if (std::strcmp(sContexto, Traduccion.sContexto) == 0 &&
        std::strcmp(sTexto, Traduccion.sTexto) == 0)
      return QString::fromUtf8(Traduccion.sEspanol);
  return EnEspanolDeMexico(F_QtBase.translate(sContexto, sTexto, sAclaracion, n));
}
