#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <functional>

#include "survey/Soporte.h"

namespace ado {
class TConsultaADO;
}

// Reading a column of the current row of an answer's query: a Null column
// gives the empty text, whatever the format.
QString DameTexto(const ado::TConsultaADO& qConsulta, const QString& sCampo);
QString DameNumero(const ado::TConsultaADO& qConsulta, const QString& sCampo, QString (*fnFormato)(double));

// The places of an answer over an open result, in order: Lugar(nCont, bHayFila) for
// nCont = 1 to nLugares, with the query on that place's row while bHayFila (past the
// last row there is none).
void RecorreLugares(ado::TConsultaADO& qConsulta, int nLugares,
                    const std::function<void(int nCont, bool bHayFila)>& Lugar);

// A currency symbol as the engine groups it (regardless of letter case; Null apart).
QString ClaveSimbolo(const QVariant& Simbolo);
// Each symbol's formatted pesos in a result with the columns Simbolo and TotalImporte.
QMap<QString, QString> PesosPorSimbolo(ado::TConsultaADO& qConsulta);

// A row of the ranking behind an answer: sValor as shown, the figure of column sCampo and its text.
TFilaSoporte FilaSoporte(const ado::TConsultaADO& qConsulta, const QString& sValor, const QString& sCampo,
                         QString (*fnFormato)(double));
