#include "ado/jet/FechaJet.h"

#include <QRegularExpression>

namespace ado::jet {

namespace {

const QDate CC_DIA_CERO(1899, 12, 30);

std::optional<QTime> LeeHora(const QString& sTexto) {
  static const QRegularExpression re(
      QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(AM|PM)?$"),
      QRegularExpression::CaseInsensitiveOption);
  const auto m = re.match(sTexto);
  if (!m.hasMatch()) return std::nullopt;
  int nHora = m.captured(1).toInt();
  const QString sMeridiano = m.captured(4).toUpper();
  if (!sMeridiano.isEmpty()) {
    if (nHora < 1 || nHora > 12) return std::nullopt;
    nHora = nHora % 12 + (sMeridiano == QLatin1String("PM") ? 12 : 0);
  }
  const QTime hora(nHora, m.captured(2).toInt(), m.captured(3).toInt());
  if (!hora.isValid()) return std::nullopt;
  return hora;
}

// A two-digit year falls in Jet's window 1930-2029.
int AnioCompleto(const QString& sAnio) {
  const int n = sAnio.toInt();
  if (sAnio.size() > 2) return n;
  return n < 30 ? 2000 + n : 1900 + n;
}

std::optional<QDate> LeeDia(const QString& sTexto) {
  static const QRegularExpression reAnioPrimero(QStringLiteral("^(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})$"));
  static const QRegularExpression reAnioUltimo(QStringLiteral("^(\\d{1,2})[/-](\\d{1,2})[/-](\\d{4}|\\d{2})$"));
  QDate dia;
  if (const auto m = reAnioPrimero.match(sTexto); m.hasMatch())
    dia = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  else if (const auto m2 = reAnioUltimo.match(sTexto); m2.hasMatch())
    dia = QDate(AnioCompleto(m2.captured(3)), m2.captured(1).toInt(), m2.captured(2).toInt());
  if (!dia.isValid() || dia.year() < 100) return std::nullopt;
  return dia;
}

}  // namespace

double DiaJet(const QDateTime& fecha) {
  const qint64 nDias = CC_DIA_CERO.daysTo(fecha.date());
  const double dFraccion = fecha.time().msecsSinceStartOfDay() / 86400000.0;
  return nDias >= 0 ? nDias + dFraccion : nDias - dFraccion;
}

std::optional<QDateTime> LeeFechaJet(const QString& sLiteral) {
  const QString sTexto = sLiteral.trimmed();
  if (auto hora = LeeHora(sTexto)) return QDateTime(CC_DIA_CERO, *hora, Qt::UTC);
  const qsizetype nBlanco = sTexto.indexOf(u' ');
  const auto dia = LeeDia(nBlanco < 0 ? sTexto : sTexto.left(nBlanco));
  if (!dia) return std::nullopt;
  if (nBlanco < 0) return QDateTime(*dia, QTime(0, 0), Qt::UTC);
  const auto hora = LeeHora(sTexto.mid(nBlanco + 1).trimmed());
  if (!hora) return std::nullopt;
  return QDateTime(*dia, *hora, Qt::UTC);
}

}  // namespace ado::jet
