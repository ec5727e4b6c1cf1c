#pragma once

#include <QString>

namespace ado::jet {

// Jet SQL to SQLite SQL in one call: tokens, tree, rules, emitter. Throws EErrorADO.
QString TraduceJet(const QString& sJet);

}  // namespace ado::jet
