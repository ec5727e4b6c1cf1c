#include "mdbgen/PaginaFilas.h"

namespace mdbgen::jet {
namespace {
constexpr quint16 CC_nBorrada = 0x8000;  // offset flag Access sets on a deleted row
}

void TPaginaFilas::Inicia(quint32 nNumero, quint32 nDueno) {
  F_nNumero = nNumero;
  F_nFilas = 0;
  F_nInicio = CC_nPagina;
  F_bytes.fill(0);
  F_bytes[0] = 0x01;
  F_bytes[1] = 0x01;
  PonU32(&F_bytes[4], nDueno);
}

quint32 TPaginaFilas::Agrega(const uint8_t* pFila, int nBytes, bool bBorrada) {
  F_nInicio -= nBytes;
  std::memcpy(&F_bytes[F_nInicio], pFila, size_t(nBytes));
  PonU16(&F_bytes[14 + 2 * F_nFilas], quint16(F_nInicio | (bBorrada ? CC_nBorrada : 0)));
  return (F_nNumero << 8) | quint32(F_nFilas++);
}

const uint8_t* TPaginaFilas::Cierra() {
  PonU16(&F_bytes[2], quint16(F_nInicio - (14 + 2 * F_nFilas)));
  PonU16(&F_bytes[12], quint16(F_nFilas));
  F_nNumero = 0;
  return F_bytes.data();
}

}  // namespace mdbgen::jet
