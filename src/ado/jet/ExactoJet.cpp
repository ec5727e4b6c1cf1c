#include "ado/jet/ExactoJet.h"

#include <QtEndian>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace ado::jet {

namespace {

using U128 = unsigned __int128;

// 256 bits, enough for two 28-digit numbers multiplied or one scaled by 10^28.
struct TU256 {
  std::array<quint32, 8> w{};  // least significant first

  static TU256 De(U128 n) {
    TU256 r;
    for (int i = 0; i < 4; ++i, n >>= 32) r.w[size_t(i)] = quint32(n);
    return r;
  }
  bool CabeEn128() const { return !(w[4] | w[5] | w[6] | w[7]); }
  U128 A128() const {
    U128 n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 32) | w[size_t(i)];
    return n;
  }
  bool EsCero() const {
    for (quint32 x : w)
      if (x) return false;
    return true;
  }
  void PorPequeno(quint32 m) {
    quint64 acarreo = 0;
    for (quint32& x : w) {
      const quint64 t = quint64(x) * m + acarreo;
      x = quint32(t);
      acarreo = t >> 32;
    }
  }
  void MasPequeno(quint32 n) {
    for (size_t i = 0; n != 0 && i < w.size(); ++i) {
      const quint64 t = quint64(w[i]) + n;
      w[i] = quint32(t);
      n = quint32(t >> 32);
    }
  }
  void Mas(const TU256& b) {
    quint64 acarreo = 0;
    for (size_t i = 0; i < w.size(); ++i) {
      const quint64 t = quint64(w[i]) + b.w[i] + acarreo;
      w[i] = quint32(t);
      acarreo = t >> 32;
    }
  }
  void Menos(const TU256& b) {  // b not above this
    qint64 prestamo = 0;
    for (size_t i = 0; i < w.size(); ++i) {
      const qint64 t = qint64(w[i]) - qint64(b.w[i]) - prestamo;
      w[i] = quint32(t);
      prestamo = t < 0 ? 1 : 0;
    }
  }
  bool MenorQue(const TU256& b) const {
    for (size_t i = w.size(); i-- > 0;)
      if (w[i] != b.w[i]) return w[i] < b.w[i];
    return false;
  }
  quint64 EntreGrande(quint64 d) {  // returns the remainder
    U128 resto = 0;
    for (int i = 7; i >= 0; --i) {
      const U128 t = (resto << 32) | w[size_t(i)];
      w[size_t(i)] = quint32(t / d);
      resto = t % d;
    }
    return quint64(resto);
  }
  static TU256 Producto(U128 a, U128 b) {
    const TU256 x = De(a), y = De(b);
    TU256 r;
    for (size_t i = 0; i < 4; ++i) {
      quint64 acarreo = 0;
      for (size_t j = 0; j < 4; ++j) {
        const quint64 t = quint64(x.w[i]) * y.w[j] + r.w[i + j] + acarreo;
        r.w[i + j] = quint32(t);
        acarreo = t >> 32;
      }
      r.w[i + 4] = quint32(acarreo);
    }
    return r;
  }
};

U128 Potencia10(int n) {
  U128 p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

const U128 CC_LIMITE = Potencia10(TDecimalJet::CC_MAX_DIGITOS);  // 10^28: one digit too many

// Brings a result to at most 28 digits and 28 decimals, rounding half to even once over
// every digit dropped (bPegajoso: digits already dropped were not all zero).
std::optional<TDecimalJet> Normaliza(bool bNegativo, TU256 m, int nEscala, bool bPegajoso = false) {
  int nUltimo = 0;
  bool bRedondea = false;
  auto Cabe = [&] { return m.CabeEn128() && m.A128() < CC_LIMITE; };
  while (nEscala > TDecimalJet::CC_MAX_DIGITOS || (nEscala > 0 && !Cabe())) {
    bPegajoso = bPegajoso || nUltimo != 0;
    nUltimo = int(m.EntreGrande(10));
    --nEscala;
    bRedondea = true;
  }
  if (!m.CabeEn128()) return std::nullopt;
  U128 n = m.A128();
  if (bRedondea && (nUltimo > 5 || (nUltimo == 5 && (bPegajoso || (n & 1))))) ++n;
  if (n >= CC_LIMITE && nEscala > 0) {  // 99.95 rounded up to 100.0: the last digit is a zero
    n /= 10;
    --nEscala;
  }
  if (n >= CC_LIMITE) return std::nullopt;
  return TDecimalJet{bNegativo && n != 0, n, nEscala};
}

// Divides by 10^k, half to even (n below 10^29: it fits the signed type).
U128 EntrePotencia10(U128 n, int k) { return k <= 0 ? n : U128(jet::DivideAlPar(__int128(n), __int128(Potencia10(k)))); }

TU256 Escalada(const TDecimalJet& x, int nEscala) {
  TU256 m = TU256::De(x.nMantisa);
  for (int i = x.nEscala; i < nEscala; ++i) m.PorPequeno(10);
  return m;
}

// x + y of signs bNegX and bNegY, at scale nEscala; each below 2^255.
std::optional<TDecimalJet> SumaConSigno(bool bNegX, TU256 x, bool bNegY, TU256 y, int nEscala) {
  if (bNegX == bNegY) {
    x.Mas(y);
    return Normaliza(bNegX, x, nEscala);
  }
  if (x.MenorQue(y)) {
    std::swap(x, y);
    bNegX = bNegY;
  }
  x.Menos(y);
  return Normaliza(bNegX, x, nEscala);
}

std::optional<TDecimalJet> Suma(const TDecimalJet& a, const TDecimalJet& b) {
  const int nEscala = std::max(a.nEscala, b.nEscala);
  return SumaConSigno(a.bNegativo, Escalada(a, nEscala), b.bNegativo, Escalada(b, nEscala), nEscala);
}

void EscribeBE(U128 n, unsigned char* p, bool bInvierte) {
  for (int i = 11; i >= 0; --i, n >>= 8) p[i] = bInvierte ? ~quint8(n) : quint8(n);
}

U128 LeeBE(const unsigned char* p, bool bInvierte) {
  U128 n = 0;
  for (int i = 0; i < 12; ++i) n = (n << 8) | (bInvierte ? quint8(~p[i]) : p[i]);
  return n;
}

}  // namespace

__int128 DivideAlPar(__int128 n, __int128 d) {
  __int128 q = n / d, r = n % d;
  if (r < 0) {
    --q;
    r += d;
  }
  if (2 * r > d || (2 * r == d && (q & 1))) ++q;
  return q;
}

QByteArray TextoMoneda(qint64 n) {
  return TDecimalJet::DeMoneda(n).Texto();
}

TDecimalJet TDecimalJet::DeEntero(qint64 n) {
  const U128 m = n < 0 ? U128(-(n + 1)) + 1 : U128(n);
  return {n < 0, m, 0};
}

TDecimalJet TDecimalJet::DeMoneda(qint64 n) {
  TDecimalJet d = DeEntero(n);
  d.nEscala = 4;
  return d;
}

std::optional<TDecimalJet> TDecimalJet::DeTexto(QByteArrayView s) {
  qsizetype i = 0;
  bool bNegativo = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) bNegativo = s[i++] == '-';
  TU256 m;
  int nEscala = 0, nDigitos = 0;
  bool bPunto = false, bPegajoso = false;
  int nSobrantes = 0;  // decimals beyond what is kept
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.' && !bPunto) {
      bPunto = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    ++nDigitos;
    if (bPunto && (nEscala >= 2 * CC_MAX_DIGITOS || m.w[6] != 0)) {  // far beyond the last kept digit
      bPegajoso = bPegajoso || c != '0';
      ++nSobrantes;
      continue;
    }
    if (!bPunto && m.w[6] != 0) return std::nullopt;
    m.PorPequeno(10);
    m.MasPequeno(quint32(c - '0'));
    if (bPunto) ++nEscala;
  }
  if (nDigitos == 0) return std::nullopt;
  return Normaliza(bNegativo, m, nEscala, bPegajoso);
}

std::optional<TDecimalJet> TDecimalJet::DeDoble(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  char texto[512];
  const auto r = std::to_chars(texto, texto + sizeof texto, d, std::chars_format::fixed);
  if (r.ec != std::errc()) return std::nullopt;
  return DeTexto(QByteArrayView(texto, r.ptr - texto));
}

std::optional<TDecimalJet> TDecimalJet::DeJet4(const unsigned char* p, int nEscala) {
  U128 m = 0;
  for (int nPalabra = 0; nPalabra < 4; ++nPalabra) m = (m << 32) | qFromLittleEndian<quint32>(p + 1 + 4 * nPalabra);
  if (m >= CC_LIMITE || nEscala < 0 || nEscala > CC_MAX_DIGITOS) return std::nullopt;
  return TDecimalJet{(p[0] & 0x80) && m != 0, m, nEscala};
}

QByteArray TDecimalJet::Clave() const {
  const U128 d = Potencia10(nEscala);
  QByteArray s(CC_TAM_CLAVE, '\0');
  auto* p = reinterpret_cast<unsigned char*>(s.data());
  const bool bInvierte = bNegativo && nMantisa != 0;
  p[0] = bInvierte ? 0 : 1;
  EscribeBE(nMantisa / d, p + 1, bInvierte);
  EscribeBE((nMantisa % d) * Potencia10(CC_MAX_DIGITOS - nEscala), p + 13, bInvierte);
  return s;
}

std::optional<TDecimalJet> TDecimalJet::DeClave(QByteArrayView clave) {
  if (clave.size() != CC_TAM_CLAVE || quint8(clave[0]) > 1) return std::nullopt;
  const auto* p = reinterpret_cast<const unsigned char*>(clave.data());
  const bool bNegativo = p[0] == 0;
  const U128 nEntera = LeeBE(p + 1, bNegativo), nFraccion = LeeBE(p + 13, bNegativo);
  if (nEntera >= CC_LIMITE || nFraccion >= CC_LIMITE) return std::nullopt;
  TU256 m = TU256::Producto(nEntera, CC_LIMITE);
  TU256 f = TU256::De(nFraccion);
  quint64 acarreo = 0;
  for (size_t k = 0; k < 8; ++k) {
    const quint64 t = quint64(m.w[k]) + f.w[k] + acarreo;
    m.w[k] = quint32(t);
    acarreo = t >> 32;
  }
  int nEscala = CC_MAX_DIGITOS;
  while (nEscala > 0) {  // the decimals it needs
    TU256 q = m;
    if (q.EntreGrande(10) != 0) break;
    m = q;
    --nEscala;
  }
  return Normaliza(bNegativo, m, nEscala);
}

QByteArray TDecimalJet::Texto() const {
  QByteArray s;
  U128 n = nMantisa;
  for (int i = 0; n > 0 || i <= nEscala; ++i) {
    if (i == nEscala && i > 0) s.prepend('.');
    s.prepend(char('0' + int(n % 10)));
    n /= 10;
  }
  if (s.contains('.')) {
    while (s.endsWith('0')) s.chop(1);
    if (s.endsWith('.')) s.chop(1);
  }
  return bNegativo && nMantisa != 0 ? '-' + s : s;
}

double TDecimalJet::Doble() const { return Texto().toDouble(); }

std::optional<qint64> TDecimalJet::Moneda() const {
  U128 n;
  if (nEscala <= 4) {
    if (nMantisa > (U128(1) << 64) / Potencia10(4 - nEscala)) return std::nullopt;
    n = nMantisa * Potencia10(4 - nEscala);
  } else {
    n = EntrePotencia10(nMantisa, nEscala - 4);
  }
  const U128 nMaximo = U128(std::numeric_limits<qint64>::max()) + (bNegativo ? 1 : 0);
  if (n > nMaximo) return std::nullopt;
  return bNegativo ? qint64(-(n - 1)) - 1 : qint64(n);
}

std::optional<TDecimalJet> TDecimalJet::Mas(const TDecimalJet& b) const { return Suma(*this, b); }

std::optional<TDecimalJet> TDecimalJet::Menos(const TDecimalJet& b) const { return Suma(*this, b.Negado()); }

std::optional<TDecimalJet> TDecimalJet::Por(const TDecimalJet& b) const {
  return Normaliza(bNegativo != b.bNegativo, TU256::Producto(nMantisa, b.nMantisa), nEscala + b.nEscala);
}

// Long division, one decimal digit at a time, to one decimal past the most Normaliza keeps.
std::optional<TDecimalJet> TDecimalJet::Entre(const TDecimalJet& b) const {
  const U128 nCociente = nMantisa / b.nMantisa;
  int nDigitos = 0;
  for (U128 q = nCociente; q != 0; q /= 10) ++nDigitos;
  // the whole part of the quotient has nDigitos + b.nEscala - nEscala digits
  if (nDigitos + b.nEscala - nEscala > CC_MAX_DIGITOS) return std::nullopt;
  const int nEscalaCociente = CC_MAX_DIGITOS + 1;
  TU256 m = TU256::De(nCociente);
  U128 nResto = nMantisa % b.nMantisa;  // below 10^28: ten times it fits
  for (int i = nEscala - b.nEscala; i < nEscalaCociente; ++i) {
    nResto *= 10;
    m.PorPequeno(10);
    m.MasPequeno(quint32(nResto / b.nMantisa));
    nResto %= b.nMantisa;
  }
  return Normaliza(bNegativo != b.bNegativo, m, nEscalaCociente, nResto != 0);
}

TDecimalJet TDecimalJet::Negado() const { return {!bNegativo && nMantisa != 0, nMantisa, nEscala}; }

TDecimalJet TDecimalJet::Absoluto() const { return {false, nMantisa, nEscala}; }

TDecimalJet TDecimalJet::Redondeado(int nDecimales) const {
  nDecimales = std::max(nDecimales, 0);
  if (nDecimales >= nEscala) return *this;
  const U128 n = EntrePotencia10(nMantisa, nEscala - nDecimales);
  return {bNegativo && n != 0, n, nDecimales};
}

TDecimalJet TDecimalJet::Truncado() const {
  const U128 n = nMantisa / Potencia10(nEscala);
  return {bNegativo && n != 0, n, 0};
}

TDecimalJet TDecimalJet::Piso() const {
  TDecimalJet t = Truncado();
  if (bNegativo && nMantisa % Potencia10(nEscala) != 0) t = {true, t.nMantisa + 1, 0};
  return t;
}

void TSumaDecimal::Agrega(const TDecimalJet& d) {
  TU256 suma{d.bNegativo ? negativos : positivos};
  suma.Mas(Escalada(d, TDecimalJet::CC_MAX_DIGITOS));  // below 10^56 each: 2^70 of them fit
  (d.bNegativo ? negativos : positivos) = suma.w;
}

std::optional<TDecimalJet> TSumaDecimal::Total() const {
  return SumaConSigno(false, TU256{positivos}, true, TU256{negativos}, TDecimalJet::CC_MAX_DIGITOS);
}

}  // namespace ado::jet
