#include "survey/CamposConsulta.h"

#include "ado/ConsultaADO.h"

QString DameTexto(const ado::TConsultaADO& qConsulta, const QString& sCampo) {
  const QVariant valor = qConsulta.FieldByName(sCampo);
  return valor.isNull() ? QString() : valor.toString();
}

QString DameNumero(const ado::TConsultaADO& qConsulta, const QString& sCampo, QString (*fnFormato)(double)) {
  const QVariant valor = qConsulta.FieldByName(sCampo);
  return valor.isNull() ? QString() : fnFormato(valor.toDouble());
}

void RecorreLugares(ado::TConsultaADO& qConsulta, int nLugares,
                    const std::function<void(int nCont, bool bHayFila)>& Lugar)
{
  const int nContReg = qConsulta.RecordCount();
  qConsulta.First();
  for (int nCont = 1; nCont <= nLugares; ++nCont) {
    const bool bHayFila = nCont <= nContReg;
    Lugar(nCont, bHayFila);
    if (bHayFila)
      qConsulta.Next();
  }
}
