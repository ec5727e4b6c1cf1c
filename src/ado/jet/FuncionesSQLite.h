#pragma once

struct sqlite3;

namespace ado::jet {

class TRegional;

// The SQLite functions behind the rules of ReglasJet, by family. Throw EErrorADO.
void RegistraFuncionesMoneda(sqlite3* db);
void RegistraFuncionesFecha(sqlite3* db, const TRegional& regional);

}  // namespace ado::jet
