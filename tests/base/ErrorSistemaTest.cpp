#include <gtest/gtest.h>

#include "base/ErrorSistema.h"

namespace {

struct TCaso {
  const char* sSistema;
  const char* sUsuario;
};

class ExplicaErrorSistemaTabla : public testing::TestWithParam<TCaso> {};

TEST_P(ExplicaErrorSistemaTabla, CausasComunesEnEspanol)
{
  EXPECT_EQ(ExplicaErrorSistema(QString::fromUtf8(GetParam().sSistema)),
            QString::fromUtf8(GetParam().sUsuario));
}

INSTANTIATE_TEST_SUITE_P(
    Textos, ExplicaErrorSistemaTabla,
    testing::Values(
        TCaso{"Permission denied", "no tiene permiso (permiso denegado)"},
        TCaso{"No space left on device", "no queda espacio en el disco"},
        TCaso{"No such file or directory", "no existe el archivo o la carpeta"},
        TCaso{"Access is denied.", "no tiene permiso (acceso denegado)."},
        TCaso{"There is not enough space on the disk.", "no queda espacio en el disco."},
        TCaso{"The system cannot find the file specified.", "no existe el archivo."},
        TCaso{"Read-only file system", "el disco es de solo lectura"},
        TCaso{"std::bad_alloc", "no hay memoria suficiente"},
        // Inside a library's message, and in any letter case.
        TCaso{"/tmp/x.pdf: open: permission denied", "/tmp/x.pdf: open: no tiene permiso (permiso denegado)"},
        // Our own Spanish texts and unknown ones pass unchanged.
        TCaso{"No se pudo escribir r.json: ", "No se pudo escribir r.json: "},
        TCaso{"Resource temporarily unavailable", "Resource temporarily unavailable"}));

}  // namespace
