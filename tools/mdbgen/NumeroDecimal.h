#pragma once
// Exact reading of a JSON number's decimal text (Currency keeps four decimals exactly).
#include <QByteArrayView>

namespace mdbgen {

enum class TLecturaEntera { Exacta, NoEntera, Desborda };

// nValor = number × 10^nEscala when that is a whole number that fits 64 bits.
TLecturaEntera EnteroEscalado(QByteArrayView sNumero, int nEscala, qint64& nValor);

// nValor = |number| × 10^nEscala when that is a whole number of at most nDigitos digits.
TLecturaEntera DecimalEscalado(QByteArrayView sNumero, int nEscala, int nDigitos, bool& bNegativo,
                               unsigned __int128& nValor);

}  // namespace mdbgen
