#include "ado/Plataforma.h"

#include <QFile>
#include <QStringDecoder>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <thread>

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

namespace {

// MADV_POPULATE_WRITE (Linux 5.14): faults pages in as writes would, without writing them.
// Older kernels refuse it, and the pages fault in when used, as before.
constexpr int CC_POBLAR_PARA_ESCRIBIR = 23;

// The heap grows by this much at a time; freed memory stays in it up to eight times this,
// and blocks up to that size come from it.
constexpr size_t CC_RESERVA = 64 << 20;

}  // namespace

void PreparaMemoria() {
  mallopt(M_TRIM_THRESHOLD, int(8 * CC_RESERVA));
  mallopt(M_TOP_PAD, int(CC_RESERVA));
  mallopt(M_MMAP_THRESHOLD, int(8 * CC_RESERVA));
}

void AdelantaMemoria(std::int64_t nBytesArchivos) {
  // The loaded tables and the kept ones take about twice the databases' size of this thread's
  // heap. That much is taken and given back (it stays, under the trim threshold), and another
  // core has its pages faulted in while this one reads: a tenth of a large run's time was
  // faults. Faulting in writes nothing, so this thread may use the memory meanwhile.
  const size_t nPrevistos = std::min(2 * size_t(std::max<std::int64_t>(nBytesArchivos, 0)), 6 * CC_RESERVA);
  if (nPrevistos < CC_RESERVA / 16) return;  // a small run faults little
  void* p = std::malloc(nPrevistos);
  if (p == nullptr) return;
  const uintptr_t nPagina = uintptr_t(sysconf(_SC_PAGESIZE));
  const uintptr_t nInicio = (uintptr_t(p) + nPagina - 1) & ~(nPagina - 1);
  const uintptr_t nFin = (uintptr_t(p) + nPrevistos) & ~(nPagina - 1);
  std::free(p);
  try {
    std::thread([nInicio, nFin] {
      madvise(reinterpret_cast<void*>(nInicio), nFin - nInicio, CC_POBLAR_PARA_ESCRIBIR);
    }).detach();
  } catch (const std::system_error&) {
    // no thread to spare: the pages fault in when used
  }
}

}  // namespace ado
