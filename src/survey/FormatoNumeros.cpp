#include "survey/FormatoNumeros.h"

#include <QLocale>

#include <cmath>

namespace {

// Decimal digits of |dValor| rounded half away from zero to nDecimales places,
// worked on the value's 15 significant digits so that 1.005 rounds like the
// decimal number the user sees, not like its binary neighbour.
struct TDigitos {
  QString sEnteros;    // without leading zeros; empty for zero
  QString sDecimales;  // exactly nDecimales digits
};

TDigitos Redondea(double dValor, int nDecimales) {
  const QString sCientifica = QString::number(std::fabs(dValor), 'e', 14);  // d.ddddddddddddddde±XX
  const int nPosE = sCientifica.indexOf(u'e');
  QString sMantisa = sCientifica.left(nPosE).remove(u'.');
  const int nExponente = sCientifica.mid(nPosE + 1).toInt();

  // Digits before the decimal point are nExponente + 1; keep that many plus the decimals.
  int nConservar = nExponente + 1 + nDecimales;
  QString sDigitos;
  if (nConservar < 0) {
    sDigitos = QString();
  } else if (nConservar >= sMantisa.size()) {
    sDigitos = sMantisa + QString(nConservar - sMantisa.size(), u'0');
  } else {
    sDigitos = sMantisa.left(nConservar);
    if (sMantisa.at(nConservar) >= u'5') {
      int i = sDigitos.size() - 1;
      while (i >= 0 && sDigitos.at(i) == u'9') {
        sDigitos[i] = u'0';
        --i;
      }
      if (i >= 0) {
        sDigitos[i] = QChar(sDigitos.at(i).unicode() + 1);
      } else {
        sDigitos.prepend(u'1');
      }
    }
  }
  if (sDigitos.size() < nDecimales) {
    sDigitos = QString(nDecimales - sDigitos.size(), u'0') + sDigitos;
  }

  TDigitos digitos;
  digitos.sEnteros = sDigitos.left(sDigitos.size() - nDecimales);
  digitos.sDecimales = sDigitos.right(nDecimales);
  while (digitos.sEnteros.startsWith(u'0')) {
    digitos.sEnteros.remove(0, 1);
  }
  return digitos;
}

QString Agrupa(const QString& sEnteros, const QString& sSeparador) {
  QString sResultado;
  for (int i = 0; i < sEnteros.size(); ++i) {
    if (i > 0 && (sEnteros.size() - i) % 3 == 0) {
      sResultado += sSeparador;
    }
    sResultado += sEnteros.at(i);
  }
  return sResultado;
}

QString Formatea(double dValor, int nDecimales, bool bCeroEntero, const QLocale& locale) {
  const TDigitos digitos = Redondea(dValor, nDecimales);
  QString sTexto = Agrupa(digitos.sEnteros, locale.groupSeparator());
  if (sTexto.isEmpty() && bCeroEntero) {
    sTexto = QStringLiteral("0");
  }
  if (nDecimales > 0) {
    sTexto += locale.decimalPoint() + digitos.sDecimales;
  }
  const bool bEsCero = digitos.sEnteros.isEmpty() && digitos.sDecimales.count(u'0') == nDecimales;
  if (dValor < 0 && !bEsCero) {
    sTexto.prepend(locale.negativeSign());
  }
  return sTexto;
}

}  // namespace

QString FormatoEntero(double dValor) { return FormatoEntero(dValor, QLocale::system()); }

QString FormatoEntero(double dValor, const QLocale& Regional) { return Formatea(dValor, 0, true, Regional); }

QString FormatoEnteroSinCero(double dValor) { return FormatoEnteroSinCero(dValor, QLocale::system()); }

QString FormatoEnteroSinCero(double dValor, const QLocale& Regional) { return Formatea(dValor, 0, false, Regional); }

QString FormatoDosDecimales(double dValor) { return FormatoDosDecimales(dValor, QLocale::system()); }

QString FormatoDosDecimales(double dValor, const QLocale& Regional) { return Formatea(dValor, 2, false, Regional); }
