#include "ado/MapaUso.h"

#include "ado/ErrorADO.h"
#include "ado/PaginaJet.h"

namespace ado {
namespace {

constexpr unsigned char CC_MAPA_EN_LINEA = 0;
constexpr unsigned char CC_MAPA_INDIRECTO = 1;
constexpr int CC_INICIO_BITS_PAGINA = 4;  // after "05 01 00 00"

}  // namespace

TMapaUso::TMapaUso(const TArchivoMdb& Archivo, const QString& sTabla, quint32 nPgFila)
    : F_Archivo(Archivo), F_sTabla(sTabla) {
  const int nTam = Archivo.TamPagina();
  const int nInicioCuenta = Archivo.EsJet3() ? 8 : 12;
  std::vector<unsigned char> Pagina(static_cast<size_t>(nTam));
  TFilaPagina Fila;
  if (!Archivo.LeePagina(nPgFila >> 8, Pagina.data()) || Pagina[0] != CC_PAGINA_DATOS ||
      !UbicaFila(Pagina.data(), nTam, nInicioCuenta, FilasDePagina(Pagina.data(), nTam, nInicioCuenta),
                 int(nPgFila & 0xFF), Fila) ||
      Fila.nFin - Fila.nInicio < 1)
    Danada(QStringLiteral("puntero al mapa de páginas"));
  F_Mapa.assign(Pagina.begin() + Fila.nInicio, Pagina.begin() + Fila.nFin);
  if (F_Mapa[0] == CC_MAPA_EN_LINEA) {
    if (F_Mapa.size() < 5) Danada(QStringLiteral("mapa de páginas"));
    F_nBase = Le32(F_Mapa.data() + 1);
    F_Bits = F_Mapa;
    F_nInicioBits = 5;
  } else if (F_Mapa[0] == CC_MAPA_INDIRECTO) {
    F_nEntrada = 0;
    F_nInicioBits = CC_INICIO_BITS_PAGINA;
  } else {
    Danada(QStringLiteral("tipo de mapa de páginas"));
  }
}

void TMapaUso::Danada(const QString& sDetalle) const { throw ErrorDanada(F_Archivo.Ruta(), F_sTabla, sDetalle); }

bool TMapaUso::CargaEntrada() {
  const size_t nEntradas = (F_Mapa.size() - 1) / 4;
  const quint64 nPorPagina = quint64(F_Archivo.TamPagina() - CC_INICIO_BITS_PAGINA) * 8;
  while (F_nEntrada < nEntradas) {
    const size_t j = F_nEntrada++;
    const quint32 nPagina = Le32(F_Mapa.data() + 1 + 4 * j);
    if (nPagina == 0) continue;
    F_Bits.resize(size_t(F_Archivo.TamPagina()));
    if (!F_Archivo.LeePagina(nPagina, F_Bits.data()) || F_Bits[0] != CC_PAGINA_MAPA)
      Danada(QStringLiteral("página del mapa de páginas"));
    F_nBase = j * nPorPagina;
    F_nBit = 0;
    return true;
  }
  return false;
}

quint32 TMapaUso::Siguiente() {
  for (;;) {
    const size_t nBits = F_Bits.size() > F_nInicioBits ? (F_Bits.size() - F_nInicioBits) * 8 : 0;
    while (F_nBit < nBits) {
      const size_t nBit = F_nBit++;
      const unsigned char nByte = F_Bits[F_nInicioBits + nBit / 8];
      if (nByte == 0) {  // a whole empty byte
        F_nBit = (nBit / 8 + 1) * 8;
        continue;
      }
      if (!(nByte & (1 << (nBit % 8)))) continue;
      const quint64 nPagina = F_nBase + nBit;
      if (nPagina == 0 || nPagina >= F_Archivo.Paginas()) Danada(QStringLiteral("página fuera del archivo"));
      return quint32(nPagina);
    }
    if (F_Mapa[0] != CC_MAPA_INDIRECTO || !CargaEntrada()) return 0;
  }
}

}  // namespace ado
