#include "ado/jet/FormatoJet.h"

#include "ado/FechaADO.h"
#include "ado/jet/Regional.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace ado::jet {

namespace {

bool EsNombre(const QString& s, const char* sNombre) { return s.compare(QLatin1String(sNombre), Qt::CaseInsensitive) == 0; }

// |d| as decimal digits rounded half away from zero to nDecimales: integer and fraction parts.
// sExacto, when given, is |d|'s exact text.
void Digitos(double d, int nDecimales, QString& sEntera, QString& sFraccion, const QByteArray& sExacto) {
  QByteArray digitos;
  int nPunto;  // digits before the decimal point
  if (!sExacto.isEmpty()) {
    const qsizetype nPuntoExacto = sExacto.indexOf('.');
    nPunto = int(nPuntoExacto < 0 ? sExacto.size() : nPuntoExacto);
    digitos = QByteArray(sExacto).remove(nPunto, 1);
  } else {
    const QByteArray e = QByteArray::number(std::fabs(d), 'e', 14);  // d.dddddddddddddde+XX
    const qsizetype nE = e.indexOf('e');
    digitos = e.left(1) + e.mid(2, nE - 2);
    nPunto = e.mid(nE + 1).toInt() + 1;
    if (d == 0) nPunto = 1;
  }
  while (nPunto < 1) {
    digitos.prepend('0');
    ++nPunto;
  }
  while (digitos.size() < nPunto + nDecimales + 1) digitos.append('0');
  QByteArray corte = digitos.left(nPunto + nDecimales);
  if (digitos[nPunto + nDecimales] >= '5') {
    qsizetype i = corte.size() - 1;
    for (; i >= 0 && corte[i] == '9'; --i) corte[i] = '0';
    if (i >= 0) {
      corte[i] = char(corte[i] + 1);
    } else {
      corte.prepend('1');
      ++nPunto;
    }
  }
  sEntera = QString::fromLatin1(corte.left(nPunto));
  while (sEntera.size() > 1 && sEntera.startsWith(u'0')) sEntera.remove(0, 1);
  sFraccion = QString::fromLatin1(corte.mid(nPunto));
}

QString Agrupa(const QString& sEntera, const QString& sSeparador) {
  QString s;
  for (qsizetype i = 0; i < sEntera.size(); ++i) {
    if (i > 0 && (sEntera.size() - i) % 3 == 0) s += sSeparador;
    s += sEntera[i];
  }
  return s;
}

QString Fijo(double d, int nDecimales, bool bGrupos, const QLocale& locale, const QByteArray& sExacto = {}) {
  QString sEntera, sFraccion;
  Digitos(d, nDecimales, sEntera, sFraccion, sExacto);
  QString s = bGrupos ? Agrupa(sEntera, locale.groupSeparator()) : sEntera;
  if (nDecimales > 0) s += locale.decimalPoint() + sFraccion;
  const bool bCero = sEntera == QLatin1String("0") && sFraccion.count(u'0') == sFraccion.size();
  return d < 0 && !bCero ? QLatin1Char('-') + s : s;
}

// One section of a custom number pattern applied to |d|.
QString Patron(double d, const QString& sPatron, const QLocale& locale, QByteArray sExacto) {
  QString sPrefijo, sSufijo, sNumero;
  bool bPorcentaje = false, bEnNumero = false, bTrasNumero = false;
  for (qsizetype i = 0; i < sPatron.size(); ++i) {
    const QChar c = sPatron[i];
    QString sLiteral;
    if (c == u'"') {
      const qsizetype j = sPatron.indexOf(u'"', i + 1);
      sLiteral = sPatron.mid(i + 1, (j < 0 ? sPatron.size() : j) - i - 1);
      i = j < 0 ? sPatron.size() : j;
    } else if (c == u'\\' && i + 1 < sPatron.size()) {
      sLiteral = sPatron[++i];
    } else if (c == u'0' || c == u'#' || ((c == u',' || c == u'.') && !bTrasNumero)) {
      if (bTrasNumero) {  // placeholders after literal text: take them in
        sNumero += sSufijo;
        sSufijo.clear();
      }
      sNumero += c;
      bEnNumero = true;
      continue;
    } else {
      if (c == u'%') bPorcentaje = true;
      sLiteral = c;
    }
    (bEnNumero ? sSufijo : sPrefijo) += sLiteral;
    bTrasNumero = bEnNumero;
  }
  if (bPorcentaje) {
    d *= 100;
    sExacto.clear();
  }
  const qsizetype nPunto = sNumero.indexOf(u'.');
  const QString sParteEntera = nPunto < 0 ? sNumero : sNumero.left(nPunto);
  const QString sParteFraccion = nPunto < 0 ? QString() : sNumero.mid(nPunto + 1);
  const int nDecimales = int(sParteFraccion.count(u'0') + sParteFraccion.count(u'#'));
  const int nObligados = int(sParteFraccion.count(u'0'));
  QString sEntera, sFraccion;
  Digitos(d, nDecimales, sEntera, sFraccion, sExacto);
  const int nMinimo = int(sParteEntera.count(u'0'));
  if (sEntera == QLatin1String("0") && nMinimo == 0) sEntera.clear();
  while (sEntera.size() < nMinimo) sEntera.prepend(u'0');
  if (sParteEntera.contains(u',')) sEntera = Agrupa(sEntera, locale.groupSeparator());
  while (sFraccion.size() > nObligados && sFraccion.endsWith(u'0')) sFraccion.chop(1);
  QString s = sEntera;
  if (nPunto >= 0) s += locale.decimalPoint() + sFraccion;
  return sPrefijo + s + sSufijo;
}

// sAbsoluto: |d|'s exact text, or empty.
QString Custom(double d, const QString& sFormato, const QLocale& locale, const QByteArray& sAbsoluto) {
  const QStringList secciones = sFormato.split(u';');
  if (d < 0 && secciones.size() > 1 && !secciones[1].isEmpty()) return Patron(-d, secciones[1], locale, sAbsoluto);
  if (d == 0 && secciones.size() > 2 && !secciones[2].isEmpty()) return Patron(0, secciones[2], locale, {});
  const QString s = Patron(std::fabs(d), secciones[0], locale, sAbsoluto);
  return d < 0 && s.contains(QRegularExpression(QStringLiteral("[1-9]"))) ? QLatin1Char('-') + s : s;
}

bool EsEspanol(const QLocale& locale) { return locale.language() == QLocale::Spanish; }

}  // namespace

bool EsFormatoDeFecha(const QString& sFormato) {
  for (const char* s : {"General Date", "Long Date", "Medium Date", "Short Date", "Long Time", "Medium Time", "Short Time"})
    if (EsNombre(sFormato, s)) return true;
  bool bCitado = false;
  for (qsizetype i = 0; i < sFormato.size(); ++i) {
    const QChar c = sFormato[i].toLower();
    if (c == u'"') bCitado = !bCitado;
    if (bCitado) continue;
    if (c == u'\\') {
      ++i;
      continue;
    }
    if (c == u'0' || c == u'#') return false;
    if (QStringLiteral("ymdhnsqwc").contains(c)) return true;
  }
  return false;
}

std::optional<QString> FormateaNumero(double d, const QString& sFormato, const TRegional& regional,
                                      const QByteArray& sExacto) {
  const QLocale& locale = regional.Locale();
  const bool bEs = EsEspanol(locale);
  const QByteArray sAbsoluto = sExacto.startsWith('-') ? sExacto.mid(1) : sExacto;
  if (sFormato.isEmpty() || EsNombre(sFormato, "General Number")) {
    QString s = QString::fromLatin1(sExacto.isEmpty() ? QByteArray::number(d, 'g', 15).toUpper() : sExacto);
    return s.replace(u'.', locale.decimalPoint());
  }
  if (EsNombre(sFormato, "Currency"))
    return (d < 0 ? QStringLiteral("-") : QString()) + locale.currencySymbol() + Fijo(std::fabs(d), 2, true, locale, sAbsoluto);
  if (EsNombre(sFormato, "Fixed")) return Fijo(d, 2, false, locale, sAbsoluto);
  if (EsNombre(sFormato, "Standard")) return Fijo(d, 2, true, locale, sAbsoluto);
  if (EsNombre(sFormato, "Percent")) return Fijo(d * 100, 2, false, locale) + QLatin1Char('%');
  if (EsNombre(sFormato, "Scientific")) {
    QString s = QString::fromLatin1(QByteArray::number(d, 'e', 2).toUpper());
    s.replace(u'.', locale.decimalPoint());
    return s.replace(QRegularExpression(QStringLiteral("E([+-])0*(\\d\\d)$")), QStringLiteral("E\\1\\2"));
  }
  if (EsNombre(sFormato, "Yes/No")) return d != 0 ? (bEs ? QStringLiteral("Sí") : QStringLiteral("Yes")) : QStringLiteral("No");
  if (EsNombre(sFormato, "True/False"))
    return d != 0 ? (bEs ? QStringLiteral("Verdadero") : QStringLiteral("True")) : (bEs ? QStringLiteral("Falso") : QStringLiteral("False"));
  if (EsNombre(sFormato, "On/Off"))
    return d != 0 ? (bEs ? QStringLiteral("Activado") : QStringLiteral("On")) : (bEs ? QStringLiteral("Desactivado") : QStringLiteral("Off"));
  if (EsFormatoDeFecha(sFormato)) return std::nullopt;
  return Custom(d, sFormato, locale, sAbsoluto);
}

QString FormateaFecha(double dDia, const QString& sFormato, const TRegional& regional) {
  const QLocale& locale = regional.Locale();
  const QDateTime f = FechaDeDiaJet(dDia);
  if (!f.isValid()) return {};
  if (sFormato.isEmpty() || EsNombre(sFormato, "General Date")) return regional.FechaGeneral(dDia);
  if (EsNombre(sFormato, "Short Date")) return regional.FechaCorta(f);
  if (EsNombre(sFormato, "Long Date")) return locale.toString(f.date(), QLocale::LongFormat);
  if (EsNombre(sFormato, "Medium Date")) return locale.toString(f.date(), QStringLiteral("dd-MMM-yy"));
  if (EsNombre(sFormato, "Long Time")) return regional.HoraLarga(f);
  if (EsNombre(sFormato, "Medium Time")) return locale.toString(f.time(), QStringLiteral("hh:mm AP"));
  if (EsNombre(sFormato, "Short Time")) return locale.toString(f.time(), QStringLiteral("HH:mm"));
  const QDate dia = f.date();
  const QTime hora = f.time();
  const bool bDoce = sFormato.contains(QLatin1String("AM/PM"), Qt::CaseInsensitive) ||
                     sFormato.contains(QLatin1String("A/P"), Qt::CaseInsensitive);
  const QString sSeparador = regional.FechaCorta(QDateTime(QDate(2000, 11, 22), QTime(0, 0))).remove(QRegularExpression(QStringLiteral("\\d"))).left(1);
  QString s;
  bool bTrasHora = false;
  auto Dos = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  for (qsizetype i = 0; i < sFormato.size();) {
    const QString sResto = sFormato.mid(i);
    auto Toma = [&](const char* sToken) {
      if (!sResto.startsWith(QLatin1String(sToken), Qt::CaseInsensitive)) return false;
      i += qsizetype(qstrlen(sToken));
      return true;
    };
    const QChar c = sFormato[i];
    // m after an hour, or before seconds, is minutes
    static const QRegularExpression reAntesDeSegundos(QStringLiteral("^m{1,2}[^dy]*s"), QRegularExpression::CaseInsensitiveOption);
    const bool bMinutos = bTrasHora || reAntesDeSegundos.match(sResto).hasMatch();
    if (c == u'"') {
      const qsizetype j = sFormato.indexOf(u'"', i + 1);
      s += sFormato.mid(i + 1, (j < 0 ? sFormato.size() : j) - i - 1);
      i = j < 0 ? sFormato.size() : j + 1;
    } else if (c == u'\\' && i + 1 < sFormato.size()) {
      s += sFormato[i + 1];
      i += 2;
    } else if (Toma("AM/PM")) {
      s += hora.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    } else if (Toma("A/P")) {
      s += hora.hour() < 12 ? QStringLiteral("A") : QStringLiteral("P");
    } else if (Toma("yyyy")) {
      s += QString::number(dia.year());
    } else if (Toma("yy")) {
      s += Dos(dia.year() % 100);
    } else if (Toma("y")) {
      s += QString::number(dia.dayOfYear());
    } else if (Toma("q")) {
      s += QString::number((dia.month() - 1) / 3 + 1);
    } else if (Toma("mmmm")) {
      s += locale.monthName(dia.month(), QLocale::LongFormat);
    } else if (Toma("mmm")) {
      s += locale.monthName(dia.month(), QLocale::ShortFormat);
    } else if (bMinutos && Toma("mm")) {
      s += Dos(hora.minute());
    } else if (bMinutos && Toma("m")) {
      s += QString::number(hora.minute());
    } else if (Toma("mm")) {
      s += Dos(dia.month());
    } else if (Toma("m")) {
      s += QString::number(dia.month());
    } else if (Toma("dddd")) {
      s += locale.dayName(dia.dayOfWeek(), QLocale::LongFormat);
    } else if (Toma("ddd")) {
      s += locale.dayName(dia.dayOfWeek(), QLocale::ShortFormat);
    } else if (Toma("dd")) {
      s += Dos(dia.day());
    } else if (Toma("d")) {
      s += QString::number(dia.day());
    } else if (Toma("ww")) {
      const QDate enero(dia.year(), 1, 1);
      s += QString::number((enero.daysTo(dia) + enero.dayOfWeek() % 7) / 7 + 1);
    } else if (Toma("w")) {
      s += QString::number(dia.dayOfWeek() % 7 + 1);
    } else if (Toma("hh")) {
      s += Dos(bDoce ? (hora.hour() + 11) % 12 + 1 : hora.hour());
    } else if (Toma("h")) {
      s += QString::number(bDoce ? (hora.hour() + 11) % 12 + 1 : hora.hour());
    } else if (Toma("nn")) {
      s += Dos(hora.minute());
    } else if (Toma("n")) {
      s += QString::number(hora.minute());
    } else if (Toma("ss")) {
      s += Dos(hora.second());
    } else if (Toma("s")) {
      s += QString::number(hora.second());
    } else if (Toma("c")) {
      s += regional.FechaGeneral(dDia);
    } else {
      s += c == u'/' ? sSeparador : QString(c);
      ++i;
      bTrasHora = bTrasHora && !c.isLetterOrNumber();
      continue;
    }
    const QChar cTomado = sFormato[std::min(i, sFormato.size()) - 1].toLower();
    bTrasHora = cTomado == u'h';
  }
  return s;
}

}  // namespace ado::jet
