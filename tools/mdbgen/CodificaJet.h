#pragma once
// Byte-level encodings of Jet 4 values (little-endian, day numbers, text).
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>
#include <cstring>
#include <vector>

namespace mdbgen::jet {

constexpr int CC_nPagina = 4096;

inline void PonU16(uint8_t* p, quint16 n) {
  p[0] = uint8_t(n);
  p[1] = uint8_t(n >> 8);
}
inline void PonU32(uint8_t* p, quint32 n) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(n >> (8 * i));
}
inline void PonU64(uint8_t* p, quint64 n) {
  for (int i = 0; i < 8; ++i) p[i] = uint8_t(n >> (8 * i));
}
inline void PonDoble(uint8_t* p, double d) {
  quint64 n;
  std::memcpy(&n, &d, sizeof n);
  PonU64(p, n);
}
inline void PonSimple(uint8_t* p, float f) {
  quint32 n;
  std::memcpy(&n, &f, sizeof n);
  PonU32(p, n);
}

// Days since 1899-12-30 plus the fraction of the day; before that day Jet keeps the
// whole part negative and the time fraction positive (1850-06-15 12:00 = -18095.5).
double DiaJet(const QDate& fecha, const QTime& hora);

// Appends the text as Jet 4 stores it: one byte per character behind "FF FE" when that is
// shorter and every character is U+0001..U+00FF (a 00 byte would switch modes), else UCS-2LE.
void CodificaTexto(const QString& sTexto, bool bComprimible, std::vector<uint8_t>& destino);

}  // namespace mdbgen::jet
