#pragma once

#include "Azar.h"
#include "Clientes.h"
#include "Numeracion.h"
#include "Salida.h"

namespace backoffice {

// tRelevan: alerts of 2011 to 2015, most of kind "I", with the observation
// texts the monitoring writes (repeated) and some typed by hand.
// A branch after the first also keeps an observation of its own.
void EscribeAlertas(TSalida& Salida, TAzar& Azar, qint64 nOperaciones, const TClientela& Clientela,
                    const TNumeracion& Numeracion);

}  // namespace backoffice
