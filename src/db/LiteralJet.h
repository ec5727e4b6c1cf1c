#pragma once

#include <QString>

// A text ready to sit between the single quotes of a Jet literal: a quote is written
// twice, so it can neither end the literal nor change the statement.
inline QString LiteralJet(QString sTexto) { return sTexto.replace(QLatin1Char('\''), QStringLiteral("''")); }
