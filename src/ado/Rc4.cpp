#include "ado/Rc4.h"

#include <array>
#include <utility>

namespace ado {

void Rc4(const unsigned char* pClave, int nClave, unsigned char* pDatos, int nLargo) {
  std::array<unsigned char, 256> s;
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + pClave[i % nClave]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  for (int n = 0, i = 0, j = 0; n < nLargo; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    pDatos[n] ^= s[(s[i] + s[j]) & 0xFF];
  }
}

}  // namespace ado
