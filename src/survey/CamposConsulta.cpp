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
