#include "ado/PaginaJet.h"

namespace ado {
namespace {

constexpr quint16 CC_MASCARA_POSICION = 0x1FFF;

}  // namespace

int FilasDePagina(const unsigned char* pPagina, int nTamPagina, int nInicioCuenta) {
  const int nFilas = Le16(pPagina + nInicioCuenta);
  return nInicioCuenta + 2 + 2 * nFilas > nTamPagina ? -1 : nFilas;
}

bool UbicaFila(const unsigned char* pPagina, int nTamPagina, int nInicioCuenta, int nFilas, int nFila,
               TFilaPagina& Fila) {
  if (nFila < 0 || nFila >= nFilas) return false;
  const quint16 nPosicion = Le16(pPagina + nInicioCuenta + 2 + 2 * nFila);
  Fila.nBanderas = nPosicion & (CC_FILA_BORRADA | CC_FILA_DESBORDADA);
  Fila.nInicio = nPosicion & CC_MASCARA_POSICION;
  Fila.nFin = nFila == 0 ? nTamPagina : Le16(pPagina + nInicioCuenta + 2 * nFila) & CC_MASCARA_POSICION;
  return Fila.nInicio >= nInicioCuenta + 2 + 2 * nFilas && Fila.nFin <= nTamPagina && Fila.nInicio <= Fila.nFin;
}

}  // namespace ado
