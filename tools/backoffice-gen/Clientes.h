#pragma once

#include "Azar.h"
#include "Numeracion.h"
#include "Salida.h"

namespace backoffice {

// Client keys the operations may name: company 1 owns 1..nClientes1 (1 is the
// walk-in public), the second company the next nClientes2 (its first one too).
struct TClientela {
  qint64 nClientes1 = 0;
  qint64 nClientes2 = 0;
};

// The locality that only branch nSucursal (2 and up) has clients in, with many of them.
QString LocalidadPropia(int nSucursal);

// tCiudad (cities on localities of the compiled-in catalogue) and tCliente.
TClientela EscribeCiudadesYClientes(TSalida& Salida, TAzar& Azar, qint64 nOperaciones,
                                    const TNumeracion& Numeracion);

}  // namespace backoffice
