#include "ado/jet/Regional.h"

#include "ado/FechaADO.h"
#include "ado/jet/FechaJet.h"

#include <QRegularExpression>
#include <cmath>

namespace ado::jet {

TRegional::TRegional(const QLocale& locale)
    : F_locale(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale) {
  F_sFechaCorta = F_locale.dateFormat(QLocale::ShortFormat);
  if (!F_sFechaCorta.contains(QLatin1String("yyyy"))) F_sFechaCorta.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  F_sHoraLarga = F_locale.timeFormat(QLocale::LongFormat);
  F_sHoraLarga.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
}

QString TRegional::FechaCorta(const QDateTime& fecha) const { return F_locale.toString(fecha.date(), F_sFechaCorta); }

QString TRegional::HoraLarga(const QDateTime& fecha) const { return F_locale.toString(fecha.time(), F_sHoraLarga); }

std::optional<double> TRegional::LeeFecha(const QString& sTexto) const {
  static const QRegularExpression reFecha(QStringLiteral("^(\\d{1,4})[/.-](\\d{1,2})[/.-](\\d{1,4})(?:\\s+(.*))?$"));
  const QString s = sTexto.trimmed();
  if (const auto literal = LeeFechaJet(s); literal && s.contains(QLatin1Char(':')) && !s.contains(u'/')) return DiaJet(*literal);
  const auto m = reFecha.match(s);
  if (!m.hasMatch()) return std::nullopt;
  int n[3] = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
  int nAnio, nMes, nDia;
  if (m.captured(1).size() > 2) {  // yyyy-mm-dd
    nAnio = n[0], nMes = n[1], nDia = n[2];
  } else {
    const qsizetype d = F_sFechaCorta.indexOf(u'd'), mm = F_sFechaCorta.indexOf(u'M');
    nAnio = m.captured(3).size() <= 2 ? (n[2] < 30 ? 2000 + n[2] : 1900 + n[2]) : n[2];
    nDia = d < mm ? n[0] : n[1];
    nMes = d < mm ? n[1] : n[0];
  }
  const QDate dia(nAnio, nMes, nDia);
  if (!dia.isValid()) return std::nullopt;
  QTime hora(0, 0);
  if (!m.captured(4).isEmpty()) {
    const auto conHora = LeeFechaJet(QStringLiteral("2000/01/01 ") + m.captured(4).trimmed());
    if (!conHora) return std::nullopt;
    hora = conHora->time();
  }
  return DiaJet(QDateTime(dia, hora, Qt::UTC));
}

QString TRegional::FechaGeneral(double dDia) const {
  const QDateTime fecha = FechaDeDiaJet(dDia);
  if (!fecha.isValid()) return {};
  const double dEntero = std::trunc(dDia);
  if (dEntero == 0) return HoraLarga(fecha);
  if (fecha.time() == QTime(0, 0)) return FechaCorta(fecha);
  return FechaCorta(fecha) + QLatin1Char(' ') + HoraLarga(fecha);
}

}  // namespace ado::jet
