#include "mdbgen/CodificaJet.h"

namespace mdbgen::jet {

double DiaJet(const QDate& fecha, const QTime& hora) {
  static const QDate CC_fOrigen(1899, 12, 30);
  const qint64 nDia = CC_fOrigen.daysTo(fecha);
  const double dFraccion = (hora.isValid() ? hora.msecsSinceStartOfDay() : 0) / 86400000.0;
  return nDia < 0 ? double(nDia) - dFraccion : double(nDia) + dFraccion;
}

void CodificaTexto(const QString& sTexto, bool bComprimible, std::vector<uint8_t>& destino) {
  const qsizetype n = sTexto.size();
  const QChar* c = sTexto.constData();
  bool bCorto = bComprimible && n > 2;
  for (qsizetype i = 0; bCorto && i < n; ++i) bCorto = c[i].unicode() >= 1 && c[i].unicode() <= 0xFF;
  const size_t nInicio = destino.size();
  if (bCorto) {
    destino.resize(nInicio + 2 + size_t(n));
    uint8_t* p = destino.data() + nInicio;
    *p++ = 0xFF;
    *p++ = 0xFE;
    for (qsizetype i = 0; i < n; ++i) *p++ = uint8_t(c[i].unicode());
  } else {
    destino.resize(nInicio + 2 * size_t(n));
    uint8_t* p = destino.data() + nInicio;
    for (qsizetype i = 0; i < n; ++i, p += 2) PonU16(p, c[i].unicode());
  }
}

}  // namespace mdbgen::jet
