#pragma once

// How Jet's exact numbers live in SQLite; the one place that defines them.
//
// Currency: an INTEGER, the count of ten-thousandths Jet stores (a 64-bit integer), in a
// column or expression the translator types Currency. Byte, Integer and Long are INTEGERs
// as stored. Decimal: a BLOB of CC_TAM_CLAVE bytes whose byte order is the order of the
// values (see TDecimalJet::Clave), so SQLite's own comparisons, grouping, DISTINCT, MIN and
// MAX are exact on both. Where the translator cannot keep the type, the value becomes the
// nearest double (jet_mon_real, jet_dec_real), as Jet mixing them with a Double does.

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <optional>

namespace ado::jet {

// n / d for d > 0, rounded half to even, as Jet rounds Currency and Decimal results.
__int128 DivideAlPar(__int128 n, __int128 d);

// Currency's text: the decimal of n ten-thousandths, trailing zeros and point dropped.
QByteArray TextoMoneda(qint64 nDiezmilesimas);

// Jet's Decimal: a sign, an integer of at most 28 digits and a scale of 0 to 28 decimals.
// Zeroed memory is zero. Results of more than 28 digits are rounded half to even to fewer
// decimals; nullopt when the whole part alone has more (Jet's overflow).
struct TDecimalJet {
  static constexpr int CC_MAX_DIGITOS = 28;
  static constexpr int CC_TAM_CLAVE = 25;
  static constexpr int CC_TAM_JET4 = 17;

  bool bNegativo;
  unsigned __int128 nMantisa;
  int nEscala;

  static TDecimalJet DeEntero(qint64 n);
  static TDecimalJet DeMoneda(qint64 nDiezmilesimas);
  // "-123.45", "1e3" not accepted; leading/trailing blanks not accepted.
  static std::optional<TDecimalJet> DeTexto(QByteArrayView s);
  // The shortest decimal that reads back as d.
  static std::optional<TDecimalJet> DeDoble(double d);
  // Jet 4's 17 bytes: a sign byte (0x80 negative), then the integer as four little-endian
  // 32-bit words, the most significant first. nullopt beyond 28 digits or scale.
  static std::optional<TDecimalJet> DeJet4(const unsigned char* p, int nEscala);
  static std::optional<TDecimalJet> DeClave(QByteArrayView clave);

  // Sign byte (0 negative, 1 otherwise), the whole part and the decimals scaled to 28
  // digits as 12-byte big-endian integers, both inverted when negative.
  QByteArray Clave() const;
  QByteArray Texto() const;  // '.' as separator, trailing zeros dropped
  double Doble() const;
  // Ten-thousandths rounded half to even; nullopt outside Currency's range.
  std::optional<qint64> Moneda() const;

  std::optional<TDecimalJet> Mas(const TDecimalJet& b) const;
  std::optional<TDecimalJet> Menos(const TDecimalJet& b) const;
  std::optional<TDecimalJet> Por(const TDecimalJet& b) const;
  std::optional<TDecimalJet> Entre(const TDecimalJet& b) const;  // b not zero
  TDecimalJet Negado() const;
  TDecimalJet Absoluto() const;
  // Round(x, n) half to even; Int (towards minus infinity) and Fix (towards zero).
  TDecimalJet Redondeado(int nDecimales) const;
  TDecimalJet Piso() const;
  TDecimalJet Truncado() const;
  bool EsCero() const { return nMantisa == 0; }
};

// An exact running sum of Decimals: every value at 28 decimals, positives and negatives
// apart, so that only the total must fit in 28 digits, not each partial sum (whose order
// the plan chooses). Zeroed memory is zero.
struct TSumaDecimal {
  std::array<quint32, 8> positivos, negativos;  // 256-bit integers, least significant first

  void Agrega(const TDecimalJet& d);
  // Rounded half to even to 28 digits; nullopt when the whole part alone has more.
  std::optional<TDecimalJet> Total() const;
};

}  // namespace ado::jet
