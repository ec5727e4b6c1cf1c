#include "ado/SilencioStderr.h"

#include "ado/Plataforma.h"

#include <QByteArray>
#include <unistd.h>

namespace ado {

TSilencioStderr::TSilencioStderr() : F_pCaptura(ArchivoTemporal()) { Activa(true); }

TSilencioStderr::~TSilencioStderr() {
  Activa(false);
  if (F_pCaptura) std::fclose(F_pCaptura);
}

void TSilencioStderr::Activa(bool bActivo) {
  if (!F_pCaptura || bActivo == (F_nOriginal >= 0)) return;
  std::fflush(stderr);
  if (bActivo) {
    F_nOriginal = dup(STDERR_FILENO);
    if (F_nOriginal >= 0) dup2(fileno(F_pCaptura), STDERR_FILENO);
  } else {
    dup2(F_nOriginal, STDERR_FILENO);
    close(F_nOriginal);
    F_nOriginal = -1;
  }
}

QString TSilencioStderr::Capturado() const {
  if (!F_pCaptura) return {};
  std::fflush(stderr);
  const long nLargo = std::ftell(F_pCaptura);
  QByteArray texto(nLargo > 0 ? nLargo : 0, '\0');
  std::rewind(F_pCaptura);
  const size_t nLeidos = std::fread(texto.data(), 1, texto.size(), F_pCaptura);
  std::fseek(F_pCaptura, 0, SEEK_END);
  texto.truncate(qsizetype(nLeidos));
  return QString::fromUtf8(texto).trimmed();
}

}  // namespace ado
