#include "mdbgen/CabeceraJet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "mdbgen/CodificaJet.h"

namespace mdbgen::jet {
namespace {

constexpr int CC_nInicioBloque = 0x18;
constexpr int CC_nLargoBloque = 128;

// Jet hides the block at 0x18 with RC4 under a key every file shares.
void Rc4(uint8_t* pDatos, int nLargo) {
  static const uint8_t CC_clave[4] = {0xC7, 0xDA, 0x39, 0x6B};
  std::array<uint8_t, 256> s;
  for (int i = 0; i < 256; ++i) s[i] = uint8_t(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + CC_clave[i % 4]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  for (int k = 0, i = 0, j = 0; k < nLargo; ++k) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    pDatos[k] ^= s[(s[i] + s[j]) & 0xFF];
  }
}

}  // namespace

void ArmaCabecera(uint8_t* p, const QString& sPassword) {
  std::fill(p, p + CC_nPagina, uint8_t(0));
  p[0x01] = 0x01;
  static const char CC_sFirma[] = "Standard Jet DB";
  std::memcpy(p + 0x04, CC_sFirma, sizeof CC_sFirma);
  p[0x14] = 0x01;  // Jet 4
  PonU16(p + 0x3C, 1252);
  PonU32(p + 0x3E, 0);  // pages are not encoded
  PonU32(p + 0x6E, 0x0409);
  PonDoble(p + 0x72, CC_dFechaCreacion);
  // Password area: UCS-2LE, zero-padded to 40 bytes, XOR the creation day's whole part.
  uint8_t mascara[4];
  PonU32(mascara, quint32(qint32(std::floor(CC_dFechaCreacion))));
  for (int i = 0; i < 20; ++i) {
    const quint16 c = i < sPassword.size() ? sPassword[i].unicode() : 0;
    p[0x42 + 2 * i] = uint8_t(c) ^ mascara[(2 * i) % 4];
    p[0x42 + 2 * i + 1] = uint8_t(c >> 8) ^ mascara[(2 * i + 1) % 4];
  }
  Rc4(p + CC_nInicioBloque, CC_nLargoBloque);
}

}  // namespace mdbgen::jet
