#include "ado/TextoJet.h"

namespace ado {
namespace {

void AgregaUtf8(char32_t c, std::string& s) {
  if (c < 0x80) {
    s += char(c);
  } else if (c < 0x800) {
    s += char(0xC0 | (c >> 6));
    s += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  } else {
    s += char(0xF0 | (c >> 18));
    s += char(0x80 | ((c >> 12) & 0x3F));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  }
}

// UTF-16 units in, UTF-8 out; a lone surrogate becomes U+FFFD.
class TUtf16 {
 public:
  explicit TUtf16(std::string& s) : F_s(s) {}
  ~TUtf16() { Vacia(); }
  void Agrega(char16_t c) {
    if (c < 0x80 && !F_cAlto) {
      F_s += char(c);
    } else if (c >= 0xD800 && c < 0xDC00) {
      Vacia();
      F_cAlto = c;
    } else if (c >= 0xDC00 && c < 0xE000 && F_cAlto) {
      AgregaUtf8(0x10000 + ((char32_t(F_cAlto) - 0xD800) << 10) + (c - 0xDC00), F_s);
      F_cAlto = 0;
    } else {
      Vacia();
      AgregaUtf8(c >= 0xDC00 && c < 0xE000 ? 0xFFFD : c, F_s);
    }
  }

 private:
  void Vacia() {
    if (F_cAlto) AgregaUtf8(0xFFFD, F_s);
    F_cAlto = 0;
  }
  std::string& F_s;
  char16_t F_cAlto = 0;
};

}  // namespace

void AgregaTextoJet4(const unsigned char* p, int nLargo, std::string& sDestino) {
  TUtf16 Salida(sDestino);
  if (nLargo >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
    bool bUnByte = true;  // a 00 byte switches between one-byte and two-byte characters
    for (int i = 2; i < nLargo;) {
      if (p[i] == 0) {
        bUnByte = !bUnByte;
        ++i;
      } else if (bUnByte) {
        Salida.Agrega(p[i]);
        ++i;
      } else if (i + 1 < nLargo) {
        Salida.Agrega(char16_t(p[i] | (p[i + 1] << 8)));
        i += 2;
      } else {
        break;
      }
    }
    return;
  }
  for (int i = 0; i + 1 < nLargo; i += 2) {
    Salida.Agrega(char16_t(p[i] | (p[i + 1] << 8)));
  }
}

void AgregaTextoJet3(const unsigned char* p, int nLargo, const std::array<std::string, 256>& Codigo,
                     std::string& sDestino) {
  for (int i = 0; i < nLargo; ++i) {
    if (p[i] < 0x80) sDestino += char(p[i]);
    else sDestino += Codigo[p[i]];
  }
}

}  // namespace ado
