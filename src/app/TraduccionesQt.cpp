#include "app/TraduccionesQt.h"

#include <cstring>

namespace {

struct TTraduccion {
  const char* sContexto;
  const char* sTexto;
  const char* sEspanol;
};

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
};

}  // namespace

QString TTraduccionesQt::translate(const char* sContexto, const char* sTexto, const char*,
                                   int) const
{
  if (!sContexto || !sTexto)
    return {};
  for (const TTraduccion& Traduccion : CC_TRADUCCIONES)
    if (std::strcmp(sContexto, Traduccion.sContexto) == 0 &&
        std::strcmp(sTexto, Traduccion.sTexto) == 0)
      return QString::fromUtf8(Traduccion.sEspanol);
  return {};
}
