#pragma once

#include "ado/jet/SumaJet.h"

struct sqlite3_context;

struct sqlite3;

namespace ado::jet {

class TRegional;

// The SQLite functions behind the rules of ReglasJet, by family. Throw EErrorADO.
void RegistraFuncionesMoneda(sqlite3* db);
void RegistraFuncionesFecha(sqlite3* db, const TRegional& regional);
void RegistraFuncionesNumero(sqlite3* db);
void RegistraFuncionesTexto(sqlite3* db, const TRegional& regional);
void RegistraFuncionesFormato(sqlite3* db, const TRegional& regional);
void RegistraFuncionesDecimal(sqlite3* db, const TRegional& regional);
void RegistraAgregados(sqlite3* db);

// A SUM's total as the function's result (an overflow is Jet's error).
void ResultadoSuma(sqlite3_context* ctx, const TSumaJet::TTotal& total);

}  // namespace ado::jet
