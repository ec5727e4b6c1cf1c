#include "ado/jet/TextoJet.h"

#include <QChar>
#include <cstring>

namespace ado::jet {

namespace {

// Next code point of UTF-8 text (invalid bytes stand for themselves).
char32_t Lee(const unsigned char*& p, const unsigned char* fin) {
  const unsigned char c = *p++;
  if (c < 0x80) return c;
  int nSiguen = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  char32_t cp = c & (0x3F >> nSiguen);
  while (nSiguen-- > 0 && p < fin && (*p & 0xC0) == 0x80) cp = (cp << 6) | (*p++ & 0x3F);
  return cp;
}

// Lower case, accents kept.
char32_t Pliega(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c < 0x100) return c;
  return QChar::toLower(c);
}

// Sort weight of a folded letter: accented vowels weigh as their base letter; ñ right after n.
unsigned Peso(char32_t c) {
  static const char CC_BASES[] = "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // 0xE0..0xFF
  if (c >= 0xE0 && c <= 0xFF) {
    if (c == 0xF1) return 'n' * 2 + 1;
    const char cBase = CC_BASES[c - 0xE0];
    if (c != 0xE6 && c != 0xF0 && c != 0xF7 && c != 0xFE) return unsigned(cBase) * 2;
  }
  return c * 2;
}

std::vector<char32_t> Plegado(const char* s, int n) {
  std::vector<char32_t> v;
  v.reserve(n);
  auto p = reinterpret_cast<const unsigned char*>(s);
  const auto fin = p + n;
  while (p < fin) v.push_back(Pliega(Lee(p, fin)));
  return v;
}

}  // namespace

int ComparaJet(const char* a, int na, const char* b, int nb) {
  if (na == nb && std::memcmp(a, b, size_t(na)) == 0) return 0;  // the common case when grouping
  auto pa = reinterpret_cast<const unsigned char*>(a);
  auto pb = reinterpret_cast<const unsigned char*>(b);
  const auto finA = pa + na, finB = pb + nb;
  // ASCII letters fold to lower case and weigh as themselves: bytes decide until one is not ASCII
  while (pa < finA && pb < finB && (*pa | *pb) < 0x80) {
    const unsigned char ca = *pa++, cb = *pb++;
    if (ca == cb) continue;
    const unsigned char fa = (ca >= 'A' && ca <= 'Z') ? ca + 32 : ca, fb = (cb >= 'A' && cb <= 'Z') ? cb + 32 : cb;
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  int nSecundaria = 0;  // first difference of accent, used when the letters weigh the same
  while (pa < finA && pb < finB) {
    const char32_t ca = Lee(pa, finA), cb = Lee(pb, finB);
    if (ca == cb) continue;
    const char32_t fa = Pliega(ca), fb = Pliega(cb);
    if (fa == fb) continue;
    const unsigned wa = Peso(fa), wb = Peso(fb);
    if (wa != wb) return wa < wb ? -1 : 1;
    if (nSecundaria == 0) nSecundaria = fa < fb ? -1 : 1;
  }
  if (pa < finA) return 1;
  if (pb < finB) return -1;
  return nSecundaria;
}

void AgregaClaveJet(std::string& clave, const char* s, int n) {
  auto p = reinterpret_cast<const unsigned char*>(s);
  const auto fin = p + n;
  // At most one code point per byte: the room is made once, not per letter.
  const size_t nInicio = clave.size();
  clave.resize(nInicio + sizeof(char32_t) * size_t(n));
  char* pDestino = clave.data() + nInicio;
  while (p < fin) {
    const char32_t c = Pliega(Lee(p, fin));
    std::memcpy(pDestino, &c, sizeof c);
    pDestino += sizeof c;
  }
  clave.resize(size_t(pDestino - clave.data()));
}

TPatronLike::TPatronLike(const char* sPatron, int n) {
  const std::vector<char32_t> patron = Plegado(sPatron, n);
  for (size_t i = 0; i < patron.size(); ++i) {
    TElemento elemento{TElemento::TClase::Letra, patron[i], {}, false};
    if (patron[i] == U'%') {
      elemento.clase = TElemento::TClase::Varios;
    } else if (patron[i] == U'_') {
      elemento.clase = TElemento::TClase::Uno;
    } else if (patron[i] == U'[') {
      size_t j = i + 1;
      while (j < patron.size() && patron[j] != U']') ++j;
      if (j < patron.size()) {  // an unclosed '[' is a plain letter
        elemento.clase = TElemento::TClase::Lista;
        size_t k = i + 1;
        if (k < j && patron[k] == U'!') {
          elemento.bNegada = true;
          ++k;
        }
        for (; k < j; ++k) {
          if (k + 2 < j && patron[k + 1] == U'-') {
            elemento.rangos.emplace_back(patron[k], patron[k + 2]);
            k += 2;
          } else {
            elemento.rangos.emplace_back(patron[k], patron[k]);
          }
        }
        i = j;
      }
    }
    F_elementos.push_back(std::move(elemento));
  }
}

bool TPatronLike::CoincideElemento(const TElemento& elemento, char32_t c) const {
  switch (elemento.clase) {
    case TElemento::TClase::Letra: return elemento.c == c;
    case TElemento::TClase::Uno: return true;
    case TElemento::TClase::Lista: {
      bool bDentro = false;
      for (const auto& [desde, hasta] : elemento.rangos) bDentro = bDentro || (c >= desde && c <= hasta);
      return bDentro != elemento.bNegada;
    }
    case TElemento::TClase::Varios: break;
  }
  return false;
}

bool TPatronLike::Coincide(const char* sTexto, int n) const {
  thread_local std::vector<char32_t> texto;
  texto = Plegado(sTexto, n);
  size_t t = 0, p = 0, nVarios = SIZE_MAX, nDesde = 0;
  const size_t nP = F_elementos.size();
  while (t < texto.size()) {
    if (p < nP && F_elementos[p].clase == TElemento::TClase::Varios) {
      nVarios = p++;
      nDesde = t;
    } else if (p < nP && CoincideElemento(F_elementos[p], texto[t])) {
      ++p;
      ++t;
    } else if (nVarios != SIZE_MAX) {
      p = nVarios + 1;
      t = ++nDesde;
    } else {
      return false;
    }
  }
  while (p < nP && F_elementos[p].clase == TElemento::TClase::Varios) ++p;
  return p == nP;
}

}  // namespace ado::jet
