#pragma once

#include <QString>

// Number patterns of the questionnaire answers, with the separators of the
// system's regional settings (QLocale::system()). Thousands are always grouped
// and halves are rounded away from zero.

// "#,##0": whole number; zero prints "0".
QString FormatoEntero(double dValor);
// "#,###": whole number; zero prints nothing.
QString FormatoEnteroSinCero(double dValor);
// "#,###.00": two decimals, no digit before the separator below one (".50").
QString FormatoDosDecimales(double dValor);
