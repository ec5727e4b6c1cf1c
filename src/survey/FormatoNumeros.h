#pragma once

#include <QLocale>
#include <QString>

// Number patterns of the questionnaire answers. Thousands are always grouped
// and halves are rounded away from zero. Without a locale the separators are
// those of the system's regional settings (QLocale::system()).

// "#,##0": whole number; zero prints "0".
QString FormatoEntero(double dValor);
QString FormatoEntero(double dValor, const QLocale& Regional);
// "#,###": whole number; zero prints nothing.
QString FormatoEnteroSinCero(double dValor);
QString FormatoEnteroSinCero(double dValor, const QLocale& Regional);
// "#,###.00": two decimals, no digit before the separator below one (".50").
QString FormatoDosDecimales(double dValor);
QString FormatoDosDecimales(double dValor, const QLocale& Regional);
