#pragma once
// A data page being filled: rows packed from the end, offsets after the 14-byte header.
#include <array>

#include "mdbgen/CodificaJet.h"

namespace mdbgen::jet {

constexpr int CC_nFilasPorPagina = 255;           // a row pointer names rows 0..255
constexpr int CC_nMaxFila = CC_nPagina - 14 - 2;  // a row never spans pages
constexpr quint32 CC_nDuenoLval = 0x4C41564C;     // "LVAL" at bytes 4-7

class TPaginaFilas {
 public:
  void Inicia(quint32 nNumero, quint32 nDueno);    // empty page with its place in the file and its owner
  bool Abierta() const { return F_nNumero != 0; }  // page 0 never holds rows
  quint32 Numero() const { return F_nNumero; }
  bool Cabe(int nBytes) const { return F_nFilas < CC_nFilasPorPagina && F_nInicio - nBytes >= 14 + 2 * (F_nFilas + 1); }
  quint32 Agrega(const uint8_t* pFila, int nBytes, bool bBorrada = false);  // returns its pg_row pointer
  const uint8_t* Cierra();                                                  // final bytes; the page is no longer open

 private:
  std::array<uint8_t, CC_nPagina> F_bytes{};
  quint32 F_nNumero = 0;
  int F_nFilas = 0;
  int F_nInicio = CC_nPagina;
};

}  // namespace mdbgen::jet
