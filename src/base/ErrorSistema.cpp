#include "base/ErrorSistema.h"

namespace {

struct TTraduccion {
  const char* sIngles;
  const char* sEspanol;
};

// POSIX texts (glibc), their Windows counterparts, and C++'s own.
const TTraduccion CC_TRADUCCIONES[] = {
    {"Permission denied", "no tiene permiso (permiso denegado)"},
    {"Access is denied.", "no tiene permiso (acceso denegado)."},
    {"Operation not permitted", "operación no permitida"},
    {"No space left on device", "no queda espacio en el disco"},
    {"There is not enough space on the disk.", "no queda espacio en el disco."},
    {"Disk quota exceeded", "se agotó la cuota de disco del usuario"},
    {"No such file or directory", "no existe el archivo o la carpeta"},
    {"The system cannot find the file specified.", "no existe el archivo."},
    {"The system cannot find the path specified.", "no existe la carpeta."},
    {"Read-only file system", "el disco es de solo lectura"},
    {"Is a directory", "es una carpeta, no un archivo"},
    {"Not a directory", "una parte de la ruta no es una carpeta"},
    {"File name too long", "el nombre del archivo es demasiado largo"},
    {"Input/output error", "error del disco al leer o escribir"},
    {"Too many open files", "hay demasiados archivos abiertos"},
    {"Unknown error", "error desconocido"},
    {"std::bad_alloc", "no hay memoria suficiente"},
};

}  // namespace

QString ExplicaErrorSistema(const QString& sTexto)
{
  QString sResultado = sTexto;
  for (const TTraduccion& Traduccion : CC_TRADUCCIONES)
    sResultado.replace(QLatin1String(Traduccion.sIngles), QString::fromUtf8(Traduccion.sEspanol),
                       Qt::CaseInsensitive);
  return sResultado;
}
