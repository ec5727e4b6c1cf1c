#pragma once

#include "Azar.h"
#include "Clientes.h"
#include "Numeracion.h"
#include "Salida.h"

namespace backoffice {

// Writes the operation lines of one of the two operation tables. The stream of
// lines is the same for both calls (same seed): older operations went through
// the day-end process (tProces), recent ones and a few stragglers of 2014 are
// still in tMovtos. Together the two tables hold nLineas lines.
void EscribeOperaciones(TSalida& Salida, const QString& sTabla, std::uint64_t nSemilla,
                        qint64 nLineas, const TClientela& Clientela, const TNumeracion& Numeracion);

}  // namespace backoffice
