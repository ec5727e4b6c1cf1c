#include "ado/jet/Regional.h"

#include "ado/FechaADO.h"

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

QString TRegional::FechaGeneral(double dDia) const {
  const QDateTime fecha = FechaDeDiaJet(dDia);
  if (!fecha.isValid()) return {};
  const double dEntero = std::trunc(dDia);
  if (dEntero == 0) return HoraLarga(fecha);
  if (fecha.time() == QTime(0, 0)) return FechaCorta(fecha);
  return FechaCorta(fecha) + QLatin1Char(' ') + HoraLarga(fecha);
}

}  // namespace ado::jet
