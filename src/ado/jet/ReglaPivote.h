#pragma once

#include "ado/jet/Arbol.h"

#include <QVariant>
#include <functional>

namespace ado::jet {

// Runs a query of two columns (a value and its text) and returns its rows.
using TLeeValores = std::function<std::vector<std::pair<QVariant, QString>>(const TConsulta&)>;

// TRANSFORM value SELECT ... PIVOT heading [IN (...)] as a plain grouped SELECT: one column
// per heading value (those of IN, in its order, or else every value the rows have, in
// ascending order, Null as "<>"), each the value computed over its rows alone.
void ResuelvePivote(TConsulta& consulta, const TLeeValores& Lee);

}  // namespace ado::jet
