#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A locality key of a back office's cities (tCiudad.ClaveLocalidad) with the
// operations question 5 counts for it, and the city names that carry it.
struct TLocalidadOperada {
  QString sClave;  // empty when the cities have no key
  qint64 nOperaciones = 0;
  QStringList Ciudades;  // sorted, each once
};

// Adds Otras into Total: the same key adds up its operations and joins its
// cities. Total stays ordered by operations, most first, then by key, so the
// lists of several back offices (or several rows of one) merge into one.
void SumaLocalidades(QList<TLocalidadOperada>& Total, const QList<TLocalidadOperada>& Otras);
