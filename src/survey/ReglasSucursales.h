#pragma once

#include "ado/Consolidacion.h"

// How the back office's survey tables read when a head office and its branches are
// consolidated into one report: what identifies a row inside one back office is kept
// apart, what means the same in every back office is joined, and each back office's
// own company rows count under the head office's company number.
ado::TReglasConsolidacion ReglasSucursales();
