#include "mdbgen/NumeroDecimal.h"

#include <limits>
#include <string>

namespace mdbgen {

namespace {

// The number's significant digits and exponent: value = ±digitos × 10^nExponente, with
// nEscala added to the exponent; no trailing zeros in digitos.
void Digitos(QByteArrayView s, int nEscala, bool& bNegativo, std::string& digitos, qint64& nExponente) {
  qsizetype i = 0;
  bNegativo = i < s.size() && s[i] == '-';
  if (bNegativo) ++i;
  digitos.clear();
  nExponente = nEscala;
  bool bFraccion = false;
  for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
    if (s[i] == '.') {
      bFraccion = true;
      continue;
    }
    if (bFraccion) --nExponente;
    if (!digitos.empty() || s[i] != '0') digitos += s[i];
  }
  if (i < s.size()) {  // exponent, clamped: anything that large is out of range anyway
    const bool bExpNegativo = s[i + 1] == '-';
    qint64 nExp = 0;
    for (qsizetype k = i + 1; k < s.size(); ++k)
      if (s[k] >= '0' && s[k] <= '9') nExp = std::min<qint64>(nExp * 10 + (s[k] - '0'), 1000000);
    nExponente += bExpNegativo ? -nExp : nExp;
  }
  while (!digitos.empty() && digitos.back() == '0') {
    digitos.pop_back();
    ++nExponente;
  }
}

}  // namespace

TLecturaEntera EnteroEscalado(QByteArrayView s, int nEscala, qint64& nValor) {
  bool bNegativo = false;
  std::string digitos;
  qint64 nExponente = 0;
  Digitos(s, nEscala, bNegativo, digitos, nExponente);
  nValor = 0;
  if (digitos.empty()) return TLecturaEntera::Exacta;
  if (nExponente < 0) return TLecturaEntera::NoEntera;
  if (qint64(digitos.size()) + nExponente > 19) return TLecturaEntera::Desborda;
  digitos.append(size_t(nExponente), '0');
  const quint64 nLimite = quint64(std::numeric_limits<qint64>::max()) + (bNegativo ? 1 : 0);
  quint64 n = 0;
  for (const char c : digitos) {
    const quint64 d = quint64(c - '0');
    if (n > (nLimite - d) / 10) return TLecturaEntera::Desborda;
    n = n * 10 + d;
  }
  nValor = bNegativo ? qint64(0 - n) : qint64(n);
  return TLecturaEntera::Exacta;
}

TLecturaEntera DecimalEscalado(QByteArrayView s, int nEscala, int nDigitos, bool& bNegativo, unsigned __int128& nValor) {
  std::string digitos;
  qint64 nExponente = 0;
  Digitos(s, nEscala, bNegativo, digitos, nExponente);
  nValor = 0;
  if (digitos.empty()) {
    bNegativo = false;
    return TLecturaEntera::Exacta;
  }
  if (nExponente < 0) return TLecturaEntera::NoEntera;
  if (qint64(digitos.size()) + nExponente > nDigitos) return TLecturaEntera::Desborda;
  digitos.append(size_t(nExponente), '0');
  for (const char c : digitos) nValor = nValor * 10 + unsigned(c - '0');
  return TLecturaEntera::Exacta;
}

}  // namespace mdbgen
