#pragma once

#include <QString>

namespace ado {
class TConsultaADO;
}

// Reading a column of the current row of an answer's query: a Null column
// gives the empty text, whatever the format.
QString DameTexto(const ado::TConsultaADO& qConsulta, const QString& sCampo);
QString DameNumero(const ado::TConsultaADO& qConsulta, const QString& sCampo, QString (*fnFormato)(double));
