#include "ado/jet/Traductor.h"

#include "ado/jet/Analizador.h"
#include "ado/jet/EmisorSQLite.h"

namespace ado::jet {

QString TraduceJet(const QString& sJet) { return EmiteSQLite(*AnalizaJet(sJet), {}); }

}  // namespace ado::jet
