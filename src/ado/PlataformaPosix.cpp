#include "ado/Plataforma.h"

#include <QFile>
#include <QStringDecoder>
#include <malloc.h>
#include <sys/stat.h>

namespace ado {

THuellaArchivo HuellaArchivo(const QString& sRuta) {
  struct stat Info {};
  THuellaArchivo Huella;
  if (stat(QFile::encodeName(sRuta).constData(), &Info) == 0) {
    Huella.nVolumen = Info.st_dev;
    Huella.nNumero = Info.st_ino;
    Huella.nTamano = Info.st_size;
    Huella.nModificado = std::int64_t(Info.st_mtim.tv_sec) * 1000000000 + Info.st_mtim.tv_nsec;
  }
  return Huella;
}

std::array<std::string, 256> TablaCodigoPagina(int nCodigo) {
  const QByteArray sCodigo = "windows-" + QByteArray::number(nCodigo);
  QStringDecoder Decodificador(sCodigo.constData());
  if (!Decodificador.isValid()) Decodificador = QStringDecoder("windows-1252");
  std::array<std::string, 256> Tabla;
  for (int n = 0; n < 256; ++n) {
    const char c = char(n);
    Tabla[n] = QString(Decodificador.decode(QByteArrayView(&c, 1))).toStdString();
    Decodificador.resetState();
  }
  return Tabla;
}

void PreparaMemoria() {
  constexpr int CC_RESERVA = 64 << 20;
  mallopt(M_TRIM_THRESHOLD, 8 * CC_RESERVA);
  mallopt(M_TOP_PAD, CC_RESERVA);
  mallopt(M_MMAP_THRESHOLD, 8 * CC_RESERVA);
}

}  // namespace ado
